#pragma once
// The program's look: a calm blue-grey Fusion theme.
class QApplication;
class QLabel;
class QString;
void applyTheme(QApplication &app);

// The caption and value labels of the header and of the dialogs.
QLabel *captionLabel(const QString &text);
QLabel *valueLabel(bool wordWrap = false);
