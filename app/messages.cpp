#include "messages.h"

#include "async.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<QWidget> g_parent;

struct ButtonInfo { int flag; QMessageBox::StandardButton std; const char *caption; int result; };
const ButtonInfo kButtons[] = {
    {mbYes, QMessageBox::Yes, "Evet", mrYes},
    {mbNo, QMessageBox::No, "Hayır", mrNo},
    {mbOK, QMessageBox::Ok, "Tamam", mrOk},
    {mbCancel, QMessageBox::Cancel, "Vazgeç", mrCancel},
    {mbAbort, QMessageBox::Abort, "İptal", mrAbort},
    {mbRetry, QMessageBox::Retry, "Tekrar", mrRetry},
    {mbIgnore, QMessageBox::Ignore, "Atla", mrIgnore},
    {mbHelp, QMessageBox::Help, "Yardım", mrNone},
};
}

QWidget *messageParent()
{
    // Over the main window once it is up, otherwise centred on the screen.
    return g_parent && g_parent->isVisible() ? g_parent.data() : nullptr;
}
void setMessageParent(QWidget *w) { g_parent = w; }

void applyDialogFont(QWidget *dialog)
{
    QFont f = dialog->font();
    f.setPointSize(15);
    dialog->setFont(f);
}

QMessageBox *buildMessageDialog(const MessageRequest &r, QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setText(r.text);
    switch (r.kind) {
    case mtWarning: box->setIcon(QMessageBox::Warning); box->setWindowTitle(QStringLiteral("Uyarı")); break;
    case mtError: box->setIcon(QMessageBox::Critical); box->setWindowTitle(QStringLiteral("Hata")); break;
    case mtInformation: box->setIcon(QMessageBox::Information); box->setWindowTitle(QStringLiteral("Bilgi")); break;
    case mtConfirmation: box->setIcon(QMessageBox::Question); box->setWindowTitle(QStringLiteral("Soru")); break;
    default: box->setWindowTitle(QApplication::applicationName()); break;
    }
    for (const ButtonInfo &b : kButtons) {
        if (!(r.buttons & b.flag))
            continue;
        QAbstractButton *btn = box->addButton(b.std);
        btn->setText(QString::fromUtf8(b.caption));
        if (r.focused == b.flag) {
            // The focused button is the default one: Enter presses it.
            box->setDefaultButton(static_cast<QPushButton *>(btn));
            box->setEscapeButton(nullptr);
        }
    }
    applyDialogFont(box);
    return box;
}

int modalResultOf(QMessageBox *box, int)
{
    QAbstractButton *clicked = box->clickedButton();
    if (!clicked)
        return (box->standardButtons() & QMessageBox::Cancel) ? mrCancel : mrNone;
    const QMessageBox::StandardButton std = box->standardButton(clicked);
    for (const ButtonInfo &b : kButtons)
        if (b.std == std)
            return b.result;
    return mrNone;
}

int ShowMessageDialog(const QString &text, int kind, int buttons, int focused)
{
    int result = mrNone;
    Synchronize([&] {
        Seams &s = Seams::instance();
        s.beep();
        result = s.messageDialog(MessageRequest{text, kind, buttons, focused});
    });
    return result;
}

void ShowPlainMessage(const QString &text)
{
    Synchronize([&] { Seams::instance().plainMessage(text); });
}

void ReportError(const QString &text)
{
    Synchronize([&] { Seams::instance().errorReport(text); });
}
