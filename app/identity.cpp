#include "identity.h"

#include "deployment.h"
#include "errors.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace {

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll()).trimmed();
}

bool isVirtualBlockDevice(const QString &name)
{
    static const char *const prefixes[] = {"loop", "ram", "zram", "sr", "fd", "dm-", "md", "nbd"};
    for (const char *p : prefixes)
        if (name.startsWith(QLatin1String(p)))
            return true;
    return false;
}

// The serial the udev database recorded for a block device ("major:minor").
QString udevSerial(const QString &root, const QString &devNumbers)
{
    QFile f(root + QStringLiteral("/run/udev/data/b") + devNumbers);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QString shortSerial, serial;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("E:ID_SERIAL_SHORT="))
            shortSerial = QString::fromUtf8(line.mid(18));
        else if (line.startsWith("E:ID_SERIAL="))
            serial = QString::fromUtf8(line.mid(12));
    }
    return shortSerial.isEmpty() ? serial : shortSerial;
}

QString capped(const QString &s)
{
    return s.left(15);
}

} // namespace

QString GetDiskSerial(const QString &systemRoot)
{
    const QString block = systemRoot + QStringLiteral("/sys/block");
    QStringList disks;
    for (const QString &name : QDir(block).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name))
        if (!isVirtualBlockDevice(name) && QFileInfo::exists(block + u'/' + name + QStringLiteral("/device")))
            disks << name;
    if (disks.isEmpty())
        throw ZerdaError(QStringLiteral("Disk bulunamadı"));
    // Only the first disk counts, as with drive 0 on the machines already registered.
    const QString dir = block + u'/' + disks.first();
    QString serial = readText(dir + QStringLiteral("/device/serial"));
    if (serial.isEmpty())
        serial = readText(dir + QStringLiteral("/serial"));
    if (serial.isEmpty())
        serial = udevSerial(systemRoot, readText(dir + QStringLiteral("/dev")));
    if (serial.isEmpty())
        throw ZerdaError(QStringLiteral("Disk seri numarası okunamadı"));
    return serial.toUpper();
}

QString GetMacAddress(const QString &systemRoot)
{
    const QString net = systemRoot + QStringLiteral("/sys/class/net");
    QString result;
    for (const QString &name : QDir(net).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name)) {
        if (name == QLatin1String("lo"))
            continue;
        const QString address = readText(net + u'/' + name + QStringLiteral("/address"));
        const QStringList octets = address.split(u':');
        if (octets.size() != 6)
            continue;
        result = octets.join(u'-').toUpper();
        if (result != QLatin1String("00-00-00-00-00-00"))
            break;
    }
    return result;
}

QString GetWorkstationId(const QString &systemRoot, const QMap<QString, QString> &aliases)
{
    QString id;
    try {
        id = GetDiskSerial(systemRoot).trimmed();
    } catch (...) {
        id.clear();
    }
    if (id.isEmpty())
        id = GetMacAddress(systemRoot).trimmed();
    id.remove(u' ');
    return aliases.value(id, id);
}

QString GetWorkstationId()
{
    const Deployment &d = Deployment::current();
    return GetWorkstationId(d.systemRoot, d.workstationAliases);
}

QString GetLocalComputerName()
{
    return capped(QSysInfo::machineHostName());
}

QString GetLocalUserName()
{
    if (const passwd *pw = getpwuid(geteuid()))
        return capped(QString::fromLocal8Bit(pw->pw_name));
    return capped(qEnvironmentVariable("USER"));
}

QString GetLocalIp()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    return QStringLiteral("127.0.0.1");
}
