// Connecting with retries and the call frame, against a small in-test server.
#include "callframe.h"
#include "errors.h"
#include "fakeseams.h"
#include "session.h"
#include "wire.h"

#include "fakewireserver.h"

#include <QTcpServer>
#include <QtTest>

static quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

static void pointAt(DSConnection &c, quint16 port)
{
    c.Params["HostName"] = QStringLiteral("127.0.0.1");
    c.Params["Port"] = QString::number(port);
}

class TstCallFrame : public QObject
{
    Q_OBJECT
private slots:
    void serverDown_data();
    void serverDown();
    void serverAcceptsThirdAttempt();
    void callCopiesSessionAndCloses();
    void serverErrorCarriesItsText();
    void oneCommandPerMethodOnAProxy();
    void silentServerTimesOut();
    void failingCallStillCloses();
};

void TstCallFrame::serverDown_data()
{
    QTest::addColumn<int>("report");
    QTest::newRow("report 0: attempts only") << 0;
    QTest::newRow("report 1: attempts and the final message") << 1;
}

void TstCallFrame::serverDown()
{
    QFETCH(int, report);
    FakeSeams seams;
    DSConnection c;
    const quint16 port = freePort();
    pointAt(c, port);
    QVERIFY(!OpenConnection(c, report));
    QCOMPARE(seams.plain.size(), 11);
    QCOMPARE(seams.sleeps, 11);
    QVERIFY(seams.plain.first().contains(QStringLiteral("127.0.0.1:%1").arg(port)));
    if (report == 1) {
        QCOMPARE(seams.dialogTexts(), QStringList{QString::fromUtf8(kConnectionFailedText)});
        QCOMPARE(seams.dialogs.first().kind, int(mtError));
        QCOMPARE(seams.dialogs.first().buttons, int(mbOK));
    } else {
        QVERIFY(seams.dialogs.isEmpty());
    }
    QVERIFY(!c.Connected());
}

void TstCallFrame::serverAcceptsThirdAttempt()
{
    FakeSeams seams;
    const quint16 port = freePort();
    std::unique_ptr<FakeWireServer> server;
    seams.onSleep = [&](int ms) {
        QCOMPARE(ms, 500);
        if (seams.sleeps == 2)
            server = std::make_unique<FakeWireServer>(port); // up in time for the third attempt
    };
    DSConnection c;
    pointAt(c, port);
    QVERIFY(OpenConnection(c, 1));
    QCOMPARE(seams.plain.size(), 2);
    QVERIFY(seams.dialogs.isEmpty());
    QVERIFY(c.Connected());
}

void TstCallFrame::callCopiesSessionAndCloses()
{
    FakeSeams seams;
    FakeWireServer server;
    server.setHandler([](const QString &, const QJsonArray &) { return QJsonArray{7}; });
    DSConnection c;
    server.pointAt(c);
    Session sbilgi;
    sbilgi.update([](TSonucBilgisi &s) {
        s.setCARINO(1001);
        s.setADI("DEMO");
    });
    int count = 0;
    QVERIFY(CallServer(c, 1, [&](TServerMethods1Client &proxy) { count = proxy.SepetSayisi(sbilgi.copy()); }));
    QCOMPARE(count, 7);
    QCOMPARE(server.methods(), QStringList{"SepetSayisi"});
    const QJsonObject sent = server.calls().first().params.at(0).toObject();
    QCOMPARE(sent.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
    QCOMPARE(sent.value("fields").toObject().value("FCARINO").toInt(), 1001);
    // The session itself is untouched and usable for the next call.
    QCOMPARE(sbilgi.snapshot().ADI(), QStringLiteral("DEMO"));
    QVERIFY(!c.Connected());
}

void TstCallFrame::serverErrorCarriesItsText()
{
    FakeSeams seams;
    FakeWireServer server;
    server.setHandler([](const QString &, const QJsonArray &) -> QJsonArray {
        throw std::runtime_error("Sepet satırı bulunamadı");
    });
    DSConnection c;
    server.pointAt(c);
    try {
        CallServer(c, 1, [](TServerMethods1Client &proxy) { proxy.SepetSecimGuncelle(5, 1); });
        QFAIL("no error raised");
    } catch (const RemoteError &e) {
        QCOMPARE(e.message(), QStringLiteral("Sepet satırı bulunamadı"));
    }
    QVERIFY(!c.Connected());
}

void TstCallFrame::oneCommandPerMethodOnAProxy()
{
    FakeSeams seams;
    FakeWireServer server;
    int n = 0;
    server.setHandler([&](const QString &, const QJsonArray &) {
        return QJsonArray{FakeWireServer::table({{"ADI", FieldType::String}}, {{QStringLiteral("sonuç %1").arg(++n)}})};
    });
    DSConnection c;
    server.pointAt(c);
    QVERIFY(OpenConnection(c, 1));
    TServerMethods1Client proxy(&c);
    TableData *first = proxy.TeslimVer();
    QCOMPARE(first->stringValue(0, 0), QStringLiteral("sonuç 1"));
    TableData *second = proxy.TeslimVer();
    QCOMPARE(second->stringValue(0, 0), QStringLiteral("sonuç 2"));
    proxy.KargoVer();
    QCOMPARE(proxy.preparedCommands(), 2);
    // A data packet where a reader is expected is a conversion error.
    server.setHandler([](const QString &, const QJsonArray &) {
        return QJsonArray{wire::encodeTable(TableData({{"A", FieldType::Integer}}), true)};
    });
    QVERIFY_THROWS_EXCEPTION(ConversionError, proxy.KargoVer());
}

void TstCallFrame::silentServerTimesOut()
{
    FakeSeams seams;
    FakeWireServer server;
    server.setHandler([](const QString &, const QJsonArray &) {
        QThread::msleep(600); // answers after the client has given up
        return QJsonArray{QString()};
    });
    DSConnection c;
    server.pointAt(c);
    c.readTimeoutMs = 300;
    QVERIFY(OpenConnection(c, 1));
    try {
        TServerMethods1Client proxy(&c);
        proxy.KayanYaziGetir();
        QFAIL("no time-out");
    } catch (const ConnectionError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("zaman aşımı")), qPrintable(e.message()));
    }
    QVERIFY(!c.Connected());
}

void TstCallFrame::failingCallStillCloses()
{
    FakeSeams seams;
    FakeWireServer server;
    server.setHandler([](const QString &, const QJsonArray &) { return QJsonArray{QStringLiteral("metin")}; });
    DSConnection c;
    server.pointAt(c);
    // A string where an Integer is due.
    QVERIFY_THROWS_EXCEPTION(ConversionError,
                             CallServer(c, 1, [](TServerMethods1Client &proxy) { proxy.AcilisReklamAdet(); }));
    QVERIFY(!c.Connected());
}

QTEST_MAIN(TstCallFrame)
#include "tst_callframe.moc"
