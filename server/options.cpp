#include "options.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

namespace {

bool readNumber(const QString &text, int min, int max, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

} // namespace

bool parseOptions(const QStringList &arguments, ServerOptions *out, QString *error)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Zerda B2B stand-in application server and demo web site."));
    p.addHelpOption();
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("Address to listen on (default 127.0.0.1)."), QStringLiteral("ADDRESS"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Protocol port (default 9090; 0 = any free port)."), QStringLiteral("PORT"));
    const QCommandLineOption httpPort(QStringLiteral("http-port"), QStringLiteral("Web site port (default 8080; 0 = any free port)."), QStringLiteral("PORT"));
    const QCommandLineOption dbPath(QStringLiteral("db"), QStringLiteral("Database file (default ~/.local/share/zerdaoto/zerda-demo.sqlite)."), QStringLiteral("PATH"));
    const QCommandLineOption items(QStringLiteral("items"), QStringLiteral("Catalogue size when a new database is seeded (default 20000)."), QStringLiteral("N"));
    const QCommandLineOption version(QStringLiteral("expected-version"), QStringLiteral("Client version the server expects (stored; default 8)."), QStringLiteral("N"));
    const QCommandLineOption reg(QStringLiteral("register"), QStringLiteral("Register workstation ID for the account named by the next argument, then exit."), QStringLiteral("WORKSTATION_ID"));
    const QCommandLineOption generate(QStringLiteral("generate-only"), QStringLiteral("Create and seed the database, then exit."));
    const QCommandLineOption verbose(QStringLiteral("verbose"), QStringLiteral("Log every call with its duration to stderr."));
    p.addOptions({address, port, httpPort, dbPath, items, version, reg, generate, verbose});
    p.addPositionalArgument(QStringLiteral("USERNAME"), QStringLiteral("With --register: the account's user name."), QStringLiteral("[USERNAME]"));
    if (!p.parse(arguments)) {
        *error = p.errorText();
        return false;
    }
    if (p.isSet(QStringLiteral("help")))
        p.showHelp(0);

    if (p.isSet(address))
        out->address = p.value(address);
    int n = 0;
    if (p.isSet(port)) {
        if (!readNumber(p.value(port), 0, 65535, &n)) { *error = QStringLiteral("Geçersiz --port"); return false; }
        out->port = quint16(n);
    }
    if (p.isSet(httpPort)) {
        if (!readNumber(p.value(httpPort), 0, 65535, &n)) { *error = QStringLiteral("Geçersiz --http-port"); return false; }
        out->httpPort = quint16(n);
    }
    if (p.isSet(items)) {
        if (!readNumber(p.value(items), 1, 10000000, &n)) { *error = QStringLiteral("Geçersiz --items"); return false; }
        out->items = n;
    }
    if (p.isSet(version)) {
        if (!readNumber(p.value(version), 0, 1000000, &n)) { *error = QStringLiteral("Geçersiz --expected-version"); return false; }
        out->expectedVersion = n;
    }
    out->dbPath = p.isSet(dbPath)
        ? p.value(dbPath)
        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zerdaoto/zerda-demo.sqlite");
    out->generateOnly = p.isSet(generate);
    out->verbose = p.isSet(verbose);
    const QStringList rest = p.positionalArguments();
    if (p.isSet(reg)) {
        if (rest.size() != 1 || p.value(reg).isEmpty()) {
            *error = QStringLiteral("--register WORKSTATION_ID USERNAME bekleniyor");
            return false;
        }
        out->registerId = p.value(reg);
        out->registerUser = rest.first();
    } else if (!rest.isEmpty()) {
        *error = QStringLiteral("Beklenmeyen argüman: %1").arg(rest.first());
        return false;
    }
    return true;
}
