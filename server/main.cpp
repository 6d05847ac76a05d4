// zerda-server: stand-in application server and demo web site of Zerda B2B.
#include "database.h"
#include "httpserver.h"
#include "options.h"
#include "pictures.h"
#include "protocolserver.h"
#include "seed.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHostAddress>

#include <cstdio>

namespace {

int fail(const QString &text)
{
    std::fprintf(stderr, "zerda-server: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures are drawn with text, which needs a GUI application; the server
    // runs headless, so the platform is always the off-screen one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zerda-server"));

    ServerOptions opt;
    QString error;
    if (!parseOptions(QCoreApplication::arguments(), &opt, &error))
        return fail(error);

    QDir().mkpath(QFileInfo(opt.dbPath).absolutePath());
    const QString setupName = QStringLiteral("kurulum");
    {
        QSqlDatabase d = db::open(opt.dbPath, setupName, &error);
        if (!d.isOpen())
            return fail(QStringLiteral("Veritabanı açılamadı (%1): %2").arg(opt.dbPath, error));
        QElapsedTimer timer;
        timer.start();
        const bool fresh = !db::createSchema(d, &error) || !db::isSeeded(d);
        if (!seedDatabase(d, opt.items, &error))
            return fail(QStringLiteral("Veritabanı hazırlanamadı: %1").arg(error));
        if (fresh && (opt.generateOnly || opt.verbose))
            std::fprintf(stderr, "zerda-server: %d stok ile veritabanı %.1f s içinde hazırlandı: %s\n", opt.items,
                         timer.elapsed() / 1000.0, qPrintable(opt.dbPath));
        try {
            if (opt.expectedVersion >= 0)
                db::setSetting(d, QStringLiteral("beklenensurum"), QString::number(opt.expectedVersion));
        } catch (const CallError &e) {
            return fail(e.text());
        }
        if (!opt.registerId.isEmpty()) {
            if (!registerWorkstation(d, opt.registerId, opt.registerUser, &error))
                return fail(error);
            std::printf("zerda-server: %s -> %s kaydedildi\n", qPrintable(opt.registerId), qPrintable(opt.registerUser));
        }
    }
    db::close(setupName);
    if (opt.generateOnly || !opt.registerId.isEmpty())
        return 0;

    Pictures pictures;
    ProtocolServer server(opt.dbPath, pictures, opt.verbose);
    HttpServer web(opt.dbPath, pictures);
    const QHostAddress address(opt.address);
    if (address.isNull())
        return fail(QStringLiteral("Geçersiz adres: %1").arg(opt.address));
    if (!server.listen(address, opt.port))
        return fail(QStringLiteral("Port %1 dinlenemiyor: %2").arg(opt.port).arg(server.errorString()));
    if (!web.listen(address, opt.httpPort))
        return fail(QStringLiteral("HTTP portu %1 dinlenemiyor: %2").arg(opt.httpPort).arg(web.errorString()));
    std::printf("zerda-server listening on %s port %u http %u\n", qPrintable(address.toString()),
                unsigned(server.serverPort()), unsigned(web.serverPort()));
    std::fflush(stdout);
    return app.exec();
}
