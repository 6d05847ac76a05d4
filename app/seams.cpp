#include "seams.h"

#include "messages.h"

#include <QApplication>
#include <QDialog>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QUrl>
#include <cstdlib>
#include <memory>
#include <QAbstractButton>
#include <unistd.h>

namespace {
Seams g_real;
Seams *g_current = &g_real;
}

Seams &Seams::instance() { return *g_current; }
void Seams::install(Seams *seams) { g_current = seams ? seams : &g_real; }

int Seams::messageDialog(const MessageRequest &request)
{
    std::unique_ptr<QMessageBox> box(buildMessageDialog(request, messageParent()));
    return modalResultOf(box.get(), box->exec());
}

int Seams::execDialog(QDialog *dialog)
{
    return dialog->exec();
}

void Seams::plainMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, messageParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    applyDialogFont(&box);
    box.exec();
}

void Seams::errorReport(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok, messageParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    applyDialogFont(&box);
    box.exec();
}

bool Seams::shellOpen(const QString &target, const QStringList &arguments)
{
    if (arguments.isEmpty() && (target.contains(QLatin1String("://")) || !QFileInfo(target).isExecutable()))
        return QDesktopServices::openUrl(target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target));
    // A script (the installer) runs through the shell whatever its name.
    QFile f(target);
    if (f.open(QIODevice::ReadOnly) && f.peek(2) == "#!")
        return QProcess::startDetached(QStringLiteral("/bin/sh"), QStringList{target} + arguments);
    return QProcess::startDetached(target, arguments);
}

void Seams::terminate(int exitCode)
{
    // Immediate: nothing is saved, running loads are abandoned.
    std::fflush(nullptr);
    ::_exit(exitCode);
}

void Seams::sleepMs(int ms)
{
    QThread::msleep(ulong(ms));
}

void Seams::beep()
{
    QApplication::beep();
}
