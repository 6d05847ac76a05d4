#include "fakeseams.h"

#include "async.h"

#include <QDialog>
#include <QtTest>

FakeSeams::FakeSeams()
{
    Seams::install(this);
}

FakeSeams::~FakeSeams()
{
    Seams::install(nullptr);
}

QStringList FakeSeams::dialogTexts() const
{
    QStringList out;
    for (const MessageRequest &r : dialogs)
        out << r.text;
    return out;
}

static int resultOf(int button)
{
    switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    default: return mrNone;
    }
}

int FakeSeams::messageDialog(const MessageRequest &request)
{
    dialogs << request;
    return answers.isEmpty() ? resultOf(request.focused) : answers.takeFirst();
}

int FakeSeams::execDialog(QDialog *dialog)
{
    return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
}

void FakeSeams::plainMessage(const QString &text) { plain << text; }
void FakeSeams::errorReport(const QString &text) { errors << text; }

bool FakeSeams::shellOpen(const QString &target, const QStringList &arguments)
{
    opened << qMakePair(target, arguments);
    return true;
}

void FakeSeams::terminate(int exitCode) { exits << exitCode; }

void FakeSeams::sleepMs(int ms)
{
    ++sleeps;
    if (onSleep)
        onSleep(ms);
}

void FakeSeams::beep() { ++beeps; }

bool waitForBackgroundTasks(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (pendingBackgroundTasks() > 0 && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    return pendingBackgroundTasks() == 0;
}
