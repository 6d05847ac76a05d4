#include "deployment.h"

#include "inifile.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

QString Deployment::webSiteAddress() const
{
    const QUrl u(webSiteBase);
    return u.host() + (u.port() > 0 ? QStringLiteral(":%1").arg(u.port()) : QString());
}

QString Deployment::installerUrl() const
{
    QString base = updateServer;
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + QStringLiteral("/exe/ZerdaSetup.exe");
}

Deployment Deployment::fromFile(const QString &path, bool *ok)
{
    Deployment d;
    IniFile ini;
    const bool read = ini.load(path);
    if (ok)
        *ok = read;
    if (!read)
        return d;
    d.serverHost = ini.value("server", "host", d.serverHost);
    d.serverPort = ini.value("server", "port", QString::number(d.serverPort)).toInt();
    d.webSiteBase = ini.value("web", "base", d.webSiteBase);
    if (!d.webSiteBase.endsWith(u'/'))
        d.webSiteBase += u'/';
    d.updateServer = ini.value("update", "server", d.updateServer);
    d.systemRoot = ini.value("workstation", "system_root", d.systemRoot);
    for (const QString &key : ini.keys("aliases"))
        d.workstationAliases.insert(key, ini.value("aliases", key));
    return d;
}

Deployment &Deployment::current()
{
    static Deployment d = [] {
        QStringList candidates;
        const QString env = qEnvironmentVariable("ZERDA_DEPLOYMENT");
        if (!env.isEmpty())
            candidates << env;
        candidates << QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/zerdaoto/deployment.ini")
                   << QStringLiteral("/etc/zerdaoto/deployment.ini");
        for (const QString &c : candidates) {
            bool ok = false;
            Deployment found = fromFile(c, &ok);
            if (ok)
                return found;
        }
        return Deployment();
    }();
    return d;
}
