// Workstation identity read from a fake system tree.
#include "identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Files = QMap<QString, QString>; // path under the root -> content ("" with a trailing / makes a folder)

class TstIdentity : public QObject
{
    Q_OBJECT
private slots:
    void workstationId_data();
    void workstationId();
    void aliasTable();
    void localNamesFitTheirBuffer();
};

static void lay(const QString &root, const Files &files)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = root + u'/' + it.key();
        if (it.key().endsWith(u'/')) {
            QDir().mkpath(path);
            continue;
        }
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(it.value().toUtf8());
    }
}

void TstIdentity::workstationId_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("id");
    QTest::newRow("disk serial, upper-cased, blanks removed")
        << Files{{"sys/block/sda/device/serial", "  wd-wcc4n 12 34 \n"}} << "WD-WCC4N1234";
    QTest::newRow("virtual devices skipped")
        << Files{{"sys/block/loop0/device/", ""}, {"sys/block/loop0/device/serial", "LOOP"},
                 {"sys/block/sda/device/serial", "S3Z9NB0K"}} << "S3Z9NB0K";
    QTest::newRow("only the first disk counts")
        << Files{{"sys/block/sda/device/serial", "FIRST"}, {"sys/block/sdb/device/serial", "SECOND"}} << "FIRST";
    QTest::newRow("virtio serial beside the device")
        << Files{{"sys/block/vda/device/", ""}, {"sys/block/vda/serial", "qm00001"}} << "QM00001";
    QTest::newRow("udev database")
        << Files{{"sys/block/nvme0n1/device/", ""}, {"sys/block/nvme0n1/dev", "259:0\n"},
                 {"run/udev/data/b259:0", "S:disk/by-id/x\nE:ID_SERIAL=Samsung_SSD_S4EWNX0N\nE:ID_SERIAL_SHORT=s4ewnx0n\n"}}
        << "S4EWNX0N";
    QTest::newRow("no disk serial: adapter address")
        << Files{{"sys/block/sda/device/", ""}, {"sys/class/net/eth0/address", "00:1a:2b:3c:4d:5e\n"}}
        << "00-1A-2B-3C-4D-5E";
    QTest::newRow("all-zero adapter skipped, loopback ignored")
        << Files{{"sys/class/net/lo/address", "00:00:00:00:00:00"}, {"sys/class/net/dummy0/address", "00:00:00:00:00:00"},
                 {"sys/class/net/enp3s0/address", "52:54:00:ab:cd:ef"}} << "52-54-00-AB-CD-EF";
    QTest::newRow("only zero adapters") << Files{{"sys/class/net/dummy0/address", "00:00:00:00:00:00"}} << "00-00-00-00-00-00";
    QTest::newRow("nothing at all") << Files{{"sys/", ""}} << "";
}

void TstIdentity::workstationId()
{
    QFETCH(Files, files);
    QFETCH(QString, id);
    QTemporaryDir root;
    lay(root.path(), files);
    QCOMPARE(GetWorkstationId(root.path(), {}), id);
}

void TstIdentity::aliasTable()
{
    QTemporaryDir root;
    lay(root.path(), {{"sys/block/sda/device/serial", "WD-WMC4M0123456"}});
    const QMap<QString, QString> aliases{{"WD-WMC4M0123456", "000123456789"}, {"WD-WMC4M0654321", "000123456789"}};
    QCOMPARE(GetWorkstationId(root.path(), aliases), QStringLiteral("000123456789"));
    QCOMPARE(GetWorkstationId(root.path(), {}), QStringLiteral("WD-WMC4M0123456"));
}

void TstIdentity::localNamesFitTheirBuffer()
{
    QVERIFY(GetLocalComputerName().size() <= 15);
    QVERIFY(GetLocalUserName().size() <= 15);
    QVERIFY(!GetLocalIp().isEmpty());
}

QTEST_GUILESS_MAIN(TstIdentity)
#include "tst_identity.moc"
