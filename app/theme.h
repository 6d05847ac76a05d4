#pragma once
// The program's look: a calm blue-grey Fusion theme.
class QApplication;
void applyTheme(QApplication &app);
