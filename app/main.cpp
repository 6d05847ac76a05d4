#include "mainwindow.h"
#include "theme.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zerda Otomotiv B2B"));
    applyTheme(app);
    TForm1 w;
    w.FormCreate(); // the login runs in here, before the window is shown
    w.showMaximized();
    return app.exec();
}
