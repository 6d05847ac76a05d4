#pragma once
// Command line of zerda-server.

#include <QString>
#include <QStringList>

struct ServerOptions {
    QString address = QStringLiteral("127.0.0.1");
    quint16 port = 9090;
    quint16 httpPort = 8080;
    QString dbPath;          // default: XDG data folder, zerdaoto/zerda-demo.sqlite
    int items = 20000;       // catalogue size of a new database
    int expectedVersion = -1; // -1: keep the stored setting
    QString registerId;      // --register ID USER
    QString registerUser;
    bool generateOnly = false;
    bool verbose = false;
};

// Parses the arguments (argv[0] included); false with *error set on bad input.
// Exits the process itself for --help and --version.
bool parseOptions(const QStringList &arguments, ServerOptions *out, QString *error);
