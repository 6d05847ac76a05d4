#pragma once
// A stand-in for the outside world: records every message, dialog, opened
// file and process end, and answers with scripted results. Installed while
// it lives.

#include "messages.h"
#include "seams.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <functional>

class FakeSeams : public Seams
{
public:
    FakeSeams();
    ~FakeSeams() override;

    QList<MessageRequest> dialogs; // ShowMessageDialog requests, in order
    QStringList plain;             // plain message boxes
    QStringList errors;            // default error reports
    QList<QPair<QString, QStringList>> opened;
    QList<int> exits;              // terminate() calls
    int sleeps = 0;
    int beeps = 0;

    // Results for the next message dialogs; when none is left, the focused
    // button's result (what Enter would give).
    QList<int> answers;
    // How the program's own modal dialogs are answered; default: rejected.
    std::function<int(QDialog *)> onDialog;
    std::function<void(int ms)> onSleep;

    QStringList dialogTexts() const;

    int messageDialog(const MessageRequest &request) override;
    int execDialog(QDialog *dialog) override;
    void plainMessage(const QString &text) override;
    void errorReport(const QString &text) override;
    bool shellOpen(const QString &target, const QStringList &arguments) override;
    void terminate(int exitCode) override;
    void sleepMs(int ms) override;
    void beep() override;
};

// Processes events until every background task has finished (or times out).
bool waitForBackgroundTasks(int timeoutMs = 20000);
