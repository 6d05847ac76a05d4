#include "mainwindow.h"
#include "program.h"
#include "theme.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zerda Otomotiv B2B"));
    applyTheme(app);
    TForm1 w;
    installSubsystems(w);
    w.FormCreate(); // the login runs in here, before the window is shown
    // Maximised also where no window manager does it for us.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        w.setGeometry(screen->availableGeometry());
    w.showMaximized();
    w.araedit->setFocus();
    return app.exec();
}
