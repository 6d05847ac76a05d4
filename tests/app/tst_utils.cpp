// Shared helpers: URL encoding and the remembered-login file.
#include "inifile.h"
#include "utils.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstUtils : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void urlEncode_data();
    void urlEncode();
    void loginFileRoundTrip();
    void iniKeepsNonAsciiKeysAndOddValues();

private:
    QTemporaryDir m_home;
};

void TstUtils::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", (m_home.path() + "/config").toUtf8());
}

void TstUtils::urlEncode_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("plain stays") << "http://127.0.0.1:8080/nuvelkart.html?carino=1001&bakiye=12"
                                 << "http://127.0.0.1:8080/nuvelkart.html?carino=1001&bakiye=12";
    QTest::newRow("Turkish letters and blanks in the query")
        << "http://site/nuvelkart.html?firmasi=Yıldız Oto Ltd. Şti.&bakiye=1.234,56"
        << "http://site/nuvelkart.html?firmasi=Y%C4%B1ld%C4%B1z%20Oto%20Ltd.%20%C5%9Eti.&bakiye=1.234%2C56";
    QTest::newRow("path") << "http://site/ödeme sayfası/a.html" << "http://site/%C3%B6deme%20sayfas%C4%B1/a.html";
    QTest::newRow("no path") << "http://site" << "http://site";
}

void TstUtils::urlEncode()
{
    QFETCH(QString, address);
    QFETCH(QString, encoded);
    QCOMPARE(UrlEncode(address), encoded);
}

void TstUtils::loginFileRoundTrip()
{
    QVERIFY(!QFile::exists(LoginFilePath()));
    RememberedLogin none;
    QVERIFY(!ReadRememberedLogin(&none));
    QVERIFY(WriteRememberedLogin({QStringLiteral("DEMO"), QStringLiteral("A=B;#1"), false}));
    RememberedLogin back;
    QVERIFY(ReadRememberedLogin(&back));
    QCOMPARE(back.isim, QStringLiteral("DEMO"));
    QCOMPARE(back.sifre, QStringLiteral("A=B;#1"));
    QVERIFY(!back.hatirla);
    QCOMPARE(QFile::permissions(LoginFilePath()) & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
             QFile::Permissions());
}

void TstUtils::iniKeepsNonAsciiKeysAndOddValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    IniFile ini;
    ini.setValue("kullanici", "hatırla", "1");
    ini.setValue("kullanici", "sifre", "  boşluklu = değer  ");
    QVERIFY(ini.save(path, false));
    IniFile back;
    QVERIFY(back.load(path));
    QCOMPARE(back.value("kullanici", "hatırla"), QStringLiteral("1"));
    QCOMPARE(back.value("KULLANICI", "SIFRE"), QStringLiteral("  boşluklu = değer  "));
    QCOMPARE(back.keys("kullanici"), QStringList({"hatırla", "sifre"}));
}

QTEST_GUILESS_MAIN(TstUtils)
#include "tst_utils.moc"
