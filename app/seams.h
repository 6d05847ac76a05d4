#pragma once
// What the program does to the world outside its own windows: modal message
// boxes, the error report, opening files and addresses, ending the process.
// Tests install their own Seams to script answers and watch what happened.

#include <QString>
#include <QStringList>

class QDialog;

struct MessageRequest {
    QString text;
    int kind = 0;      // MsgKind
    int buttons = 0;   // MsgButton flags
    int focused = 0;   // one MsgButton
};

class Seams
{
public:
    virtual ~Seams() = default;

    // The modal part of ShowMessageDialog; returns the modal result.
    virtual int messageDialog(const MessageRequest &request);
    // Shows a modal dialog of the program and returns its result; tests fill
    // the dialog in and answer instead of a person.
    virtual int execDialog(QDialog *dialog);
    // A plain message box with an OK button.
    virtual void plainMessage(const QString &text);
    // The default error report for an error nobody handled.
    virtual void errorReport(const QString &text);
    // The shell's "open": a file, program or address, with arguments.
    virtual bool shellOpen(const QString &target, const QStringList &arguments);
    // Ends the process at once. A test double may return; callers return
    // right after calling it.
    virtual void terminate(int exitCode);
    virtual void sleepMs(int ms);
    virtual void beep();

    static Seams &instance();
    // Replaces the current seams (nullptr restores the real ones). Not owned.
    static void install(Seams *seams);
};

// Shortcuts used all over the program.
inline void terminateProcess(int exitCode) { Seams::instance().terminate(exitCode); }
