#pragma once
// The program's message box (ShowMessageDialog): Turkish titles and button
// captions, a chosen focused button, font size 15. Safe to call from a
// worker thread: it is shown on the UI thread while the worker waits.

#include "seams.h"

#include <QString>

class QMessageBox;
class QWidget;

enum MsgKind { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3 };
enum MsgButton { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64, mbHelp = 128 };
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

int ShowMessageDialog(const QString &text, int kind, int buttons, int focused);

// The three forms the program uses.
inline int ShowWarning(const QString &t) { return ShowMessageDialog(t, mtWarning, mbOK, mbOK); }
inline int ShowError(const QString &t) { return ShowMessageDialog(t, mtError, mbOK, mbOK); }
inline int ShowInfo(const QString &t) { return ShowMessageDialog(t, mtInformation, mbOK, mbOK); }
inline bool AskYesNo(const QString &t, int focused) { return ShowMessageDialog(t, mtConfirmation, mbYes | mbNo, focused) == mrYes; }

// A plain message box, also from a worker thread.
void ShowPlainMessage(const QString &text);
// The default error report (an error that no handler caught).
void ReportError(const QString &text);

// Building blocks, exposed for tests of the real dialog.
QMessageBox *buildMessageDialog(const MessageRequest &request, QWidget *parent);
int modalResultOf(QMessageBox *box, int execResult);
void applyDialogFont(QWidget *dialog);
QWidget *messageParent(); // the main window once it exists
void setMessageParent(QWidget *w);
