#pragma once
// Deployment values of the distributor, all in one place: where the
// application server, the web site and the update server are, and the
// workstation alias table. Defaults point at loopback (the demo); a
// deployment file overrides them (docs/deployment.md).

#include <QMap>
#include <QString>

struct Deployment {
    QString serverHost = QStringLiteral("127.0.0.1");
    int serverPort = 9090;
    QString webSiteBase = QStringLiteral("http://127.0.0.1:8080/"); // ends with "/"
    QString updateServer = QStringLiteral("http://127.0.0.1:8080"); // installer at /exe/ZerdaSetup.exe
    QMap<QString, QString> workstationAliases; // disk serial -> registered identifier
    QString systemRoot = QStringLiteral("/");  // where /sys and /run are read (tests use a fake tree)

    QString webSiteAddress() const; // caption form: host without scheme or trailing slash
    QString installerUrl() const;

    // The values in force. Loaded once from the file named by ZERDA_DEPLOYMENT,
    // else <config>/zerdaoto/deployment.ini, else /etc/zerdaoto/deployment.ini.
    static Deployment &current();
    static Deployment fromFile(const QString &path, bool *ok = nullptr);
};

constexpr int kClientVersion = 8;
