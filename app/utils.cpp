#include "utils.h"

#include "inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {
QString ensured(const QString &path)
{
    QDir().mkpath(path);
    return path;
}
const QString kSection = QStringLiteral("kullanici");
}

QString GetSettingsFolder()
{
    return ensured(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/zerdaoto"));
}

QString GetDocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString GetLocalAppDataFolder()
{
    return ensured(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zerdaoto"));
}

QString UrlEncode(const QString &address)
{
    const qsizetype schemeEnd = address.indexOf(QLatin1String("://"));
    const qsizetype pathStart = schemeEnd < 0 ? 0 : address.indexOf(u'/', schemeEnd + 3);
    if (pathStart < 0)
        return address;
    const QString head = address.left(pathStart);
    const QString rest = address.mid(pathStart);
    const qsizetype q = rest.indexOf(u'?');
    const QString path = q < 0 ? rest : rest.left(q);
    QString out = head + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
    if (q >= 0)
        out += u'?' + QString::fromLatin1(QUrl::toPercentEncoding(rest.mid(q + 1), "&="));
    return out;
}

QString LoginFilePath()
{
    return GetSettingsFolder() + QStringLiteral("/ayar.ini");
}

bool ReadRememberedLogin(RememberedLogin *out)
{
    const QString path = LoginFilePath();
    IniFile ini;
    if (!QFileInfo::exists(path) || !ini.load(path))
        return false;
    // Any non-zero number reads as true; a missing key too.
    const QString flag = ini.value(kSection, QStringLiteral("hatırla"), QStringLiteral("1")).trimmed();
    bool isNumber = false;
    const int n = flag.toInt(&isNumber);
    out->hatirla = isNumber ? n != 0 : true;
    out->isim = ini.value(kSection, QStringLiteral("isim"));
    out->sifre = ini.value(kSection, QStringLiteral("sifre"));
    return true;
}

bool WriteRememberedLogin(const RememberedLogin &login)
{
    const QString path = LoginFilePath();
    IniFile ini;
    ini.load(path);
    ini.setValue(kSection, QStringLiteral("isim"), login.isim);
    ini.setValue(kSection, QStringLiteral("sifre"), login.sifre);
    ini.setValue(kSection, QStringLiteral("hatırla"), login.hatirla ? QStringLiteral("1") : QStringLiteral("0"));
    return ini.save(path, true);
}
