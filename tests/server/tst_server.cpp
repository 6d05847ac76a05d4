// The stand-in server through the real client proxy and through raw sockets.
#include "testserver.h"

#include <QSqlQuery>
#include <QTcpSocket>
#include <QtEndian>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <errors.h>
#include <proxy.h>
#include <thread>

namespace {

const QString kDemoPc = QStringLiteral("ZERDA-DEMO-0001");
const QString kType3Pc = QStringLiteral("ZERDA-TIP3-0001");
const QString kType4Pc = QStringLiteral("ZERDA-TIP4-0001");
const QString kRepPc = QStringLiteral("ZERDA-TEMS-0001");

std::unique_ptr<DSConnection> openConnection(quint16 port)
{
    auto c = std::make_unique<DSConnection>();
    c->Params["HostName"] = QStringLiteral("127.0.0.1");
    c->Params["Port"] = QString::number(port);
    c->Open();
    return c;
}

std::unique_ptr<TSonucBilgisi> sessionFor(quint16 port, const QString &workstation)
{
    auto c = openConnection(port);
    TServerMethods1Client proxy(c.get());
    auto s = std::make_unique<TSonucBilgisi>();
    if (TSonucBilgisi *r = proxy.BuyukGetir(workstation))
        s->Kopyala(*r);
    return s;
}

std::unique_ptr<TSonucBilgisi> copyOf(const TSonucBilgisi &s)
{
    auto c = std::make_unique<TSonucBilgisi>();
    c->Kopyala(s);
    return c;
}

double money(double v)
{
    return std::round(v * 100.0) / 100.0;
}

QVariant dbValue(QSqlDatabase d, const QString &sql)
{
    QSqlQuery q(d);
    if (!q.exec(sql) || !q.next())
        return QVariant();
    return q.value(0);
}

QList<int> column(const TableData *t, const QString &name)
{
    QList<int> out;
    const int c = t->indexOf(name);
    for (int r = 0; r < t->rowCount(); ++r)
        out.append(int(t->intValue(r, c)));
    return out;
}

// Raw protocol access for inputs the proxy cannot produce.
class RawClient
{
public:
    explicit RawClient(quint16 port)
    {
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        m_socket.waitForConnected(5000);
    }
    void sendBytes(const QByteArray &b)
    {
        m_socket.write(b);
        m_socket.waitForBytesWritten(5000);
    }
    void sendPayload(const QByteArray &json)
    {
        QByteArray head(4, 0);
        qToBigEndian<quint32>(quint32(json.size()), head.data());
        sendBytes(head + json);
    }
    void hello() { sendBytes(wire::encodeFrame(wire::helloRequest())); QVERIFY(wire::isHelloReply(read())); }
    // Next frame, or an empty object when the server closed instead.
    QJsonObject read()
    {
        for (;;) {
            QJsonObject frame;
            QString error;
            if (m_reader.next(&frame, &error) == wire::FrameReader::Ready)
                return frame;
            if (!m_socket.waitForReadyRead(5000) && m_socket.bytesAvailable() == 0)
                return QJsonObject();
            m_reader.feed(m_socket.readAll());
        }
    }
    bool closedByServer()
    {
        while (m_socket.state() == QAbstractSocket::ConnectedState)
            if (!m_socket.waitForReadyRead(5000) && m_socket.state() == QAbstractSocket::ConnectedState)
                return false;
        return true;
    }
    QTcpSocket &socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    wire::FrameReader m_reader;
};

struct HttpReply {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

HttpReply httpGet(quint16 port, const QByteArray &requestLine)
{
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    s.waitForConnected(5000);
    s.write(requestLine + "\r\nHost: localhost\r\n\r\n");
    QByteArray all;
    while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(5000))
        all += s.readAll();
    all += s.readAll();
    HttpReply r;
    const qsizetype end = all.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = all.left(end).split('\n');
    if (lines.isEmpty() || end < 0)
        return r;
    r.status = lines.first().split(' ').value(1).toInt();
    qsizetype length = -1;
    for (const QByteArray &l : lines) {
        if (l.toLower().startsWith("content-type:"))
            r.contentType = l.mid(13).trimmed();
        if (l.toLower().startsWith("content-length:"))
            length = l.mid(15).trimmed().toLongLong();
    }
    r.body = all.mid(end + 4);
    if (length != r.body.size())
        r.status = -1; // a wrong Content-Length counts as a broken reply
    return r;
}

} // namespace

class TestStandInServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void login_data();
    void login();
    void expectedVersionOption();
    void customerCard();
    void overdueWarning();
    void searchFoldsAndPrefixes_data();
    void searchFoldsAndPrefixes();
    void searchRequiresEveryWord();
    void searchFindsCodesWithoutSeparators();
    void searchWithoutMatch();
    void customerPrices();
    void campaignsHiddenFromType4();
    void quantitiesOnlyForRepresentatives();
    void pictures();
    void basketAmounts_data();
    void basketAmounts();
    void customerCannotSetOwnPrice();
    void addRefused_data();
    void addRefused();
    void updateLine();
    void selectionUpdate();
    void deleteOnlyOwnLine();
    void orderChoices();
    void mainWindowContent();
    void orderMovesSelectedLines();
    void brokenInput_data();
    void brokenInput();
    void clientLeavingMidCall();
    void concurrentClients();
    void killAfterOrder();
    void killDuringOrderFlood();
    void webSite_data();
    void webSite();
    void requestPageEscapes();

private:
    std::unique_ptr<TestServer> m_server;
    quint16 m_port = 0;
};

void TestStandInServer::initTestCase()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    m_port = m_server->port();
    QVERIFY(m_server->registerWorkstation(QStringLiteral("YENI-PC-42"), QStringLiteral("BOLGE")));
    // Registering is idempotent, and moves an identifier to another account.
    QVERIFY(m_server->registerWorkstation(QStringLiteral("YENI-PC-42"), QStringLiteral("BOLGE")));
    QVERIFY(!m_server->registerWorkstation(QStringLiteral("YENI-PC-43"), QStringLiteral("YOKBOYLE")));
}

void TestStandInServer::login_data()
{
    QTest::addColumn<QString>("workstation");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("active");
    QTest::newRow("dealer") << kDemoPc << true << "DEMO" << 1001 << 0 << 1;
    QTest::newRow("type 4") << kType4Pc << true << "KUZEY" << 1003 << 4 << 1;
    QTest::newRow("representative") << kRepPc << true << "TEMSILCI" << 1001 << 1 << 1;
    QTest::newRow("inactive") << "ZERDA-PASF-0001" << true << "PASIF" << 1004 << 0 << 0;
    QTest::newRow("registered by option") << "YENI-PC-42" << true << "BOLGE" << 1005 << 2 << 1;
    QTest::newRow("unknown") << "NO-SUCH-PC" << false << "" << 0 << 1 << 0;
    QTest::newRow("empty") << "" << false << "" << 0 << 1 << 0;
}

void TestStandInServer::login()
{
    QFETCH(QString, workstation);
    QFETCH(bool, known);
    QFETCH(QString, user);
    QFETCH(int, carino);
    QFETCH(int, type);
    QFETCH(int, active);
    auto s = sessionFor(m_port, workstation);
    QCOMPARE(s->Varmi(), known);
    QCOMPARE(s->ADI(), user);
    QCOMPARE(s->CARINO(), carino);
    QCOMPARE(s->MusteriTipi(), type);
    QCOMPARE(s->AKTIF(), active);
    QCOMPARE(s->Version(), 8);
    QCOMPARE(s->BILGISAYARID(), workstation);
    if (known) {
        QVERIFY(s->Sirano() > 0);
        QVERIFY(!s->SIFRE().isEmpty());
        QVERIFY(!s->CariAdi().isEmpty());
        QVERIFY(!s->carikod().isEmpty());
        QVERIFY(!s->SaticiAdi().isEmpty());
        QVERIFY(s->SaticiMail().contains(QLatin1Char('@')));
    }
}

void TestStandInServer::expectedVersionOption()
{
    TestServer server({QStringLiteral("--items"), QStringLiteral("20"), QStringLiteral("--expected-version"), QStringLiteral("9")});
    QVERIFY(server.start());
    QCOMPARE(sessionFor(server.port(), QStringLiteral("NO-SUCH-PC"))->Version(), 9);
    QCOMPARE(sessionFor(server.port(), kDemoPc)->Version(), 9);
}

void TestStandInServer::customerCard()
{
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const TMobilCariBilgisi *card = proxy.MobilCariBilgisiGetir(0, kDemoPc);
    QVERIFY(card);
    QCOMPARE(card->CARINO(), 1001);
    QCOMPARE(card->KULLANICIADI(), QStringLiteral("DEMO"));
    QVERIFY(!card->ADRES1().isEmpty() && !card->SEHIR().isEmpty() && !card->VERGINO().isEmpty());
    QCOMPARE(card->TLBAKIYE(), money(card->TLBORC() - card->TLALACAK()));
    QVERIFY(!proxy.MobilCariBilgisiGetir(0, QStringLiteral("NO-SUCH-PC")));
}

void TestStandInServer::overdueWarning()
{
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QCOMPARE(proxy.CariVadeGunGecmismiBul(1001), QStringLiteral("Vadesi 37 gün geçmiş 12.345,67 TL bakiyeniz bulunmaktadır."));
    QCOMPARE(proxy.CariVadeGunGecmismiBul(1002), QString());
    QCOMPARE(proxy.CariVadeGunGecmismiBul(424242), QString());
}

void TestStandInServer::searchFoldsAndPrefixes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("same");
    QTest::newRow("dotless i") << "fren balatası" << "FREN BALATASI";
    QTest::newRow("g, s, i with dot") << "YAĞ FİLTRESİ" << "YAG FILTRESI";
    QTest::newRow("lower case, c") << "debriyaj seti" << "DEBRIYAJ SETI";
    QTest::newRow("extra blanks") << "  FREN    DISKI  " << "FREN DISKI";
    QTest::newRow("prefix") << "AMORT" << "AMORTISOR";
    QTest::newRow("word order") << "FILTRESI HAVA" << "HAVA FILTRESI";
}

void TestStandInServer::searchFoldsAndPrefixes()
{
    QFETCH(QString, typed);
    QFETCH(QString, same);
    auto session = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const QList<int> a = column(proxy.StokAraGetir(typed, copyOf(*session)), QStringLiteral("STOK_STOKNO"));
    const QList<int> b = column(proxy.StokAraGetir(same, copyOf(*session)), QStringLiteral("STOK_STOKNO"));
    QVERIFY(!a.isEmpty());
    QCOMPARE(a, b);
}

void TestStandInServer::searchRequiresEveryWord()
{
    auto session = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const TableData *t = proxy.StokAraGetir(QStringLiteral("fren diski golf"), copyOf(*session));
    const int expected = dbValue(m_server->db(), QStringLiteral(
        "SELECT COUNT(*) FROM stok WHERE adi = 'FREN DISKI ON GOLF VII'")).toInt();
    QVERIFY(expected > 0);
    QCOMPARE(t->rowCount(), expected);
    const int name = t->indexOf(QStringLiteral("ADI"));
    for (int r = 0; r < t->rowCount(); ++r)
        QCOMPARE(t->stringValue(r, name), QStringLiteral("FREN DISKI ON GOLF VII"));
    const int broader = proxy.StokAraGetir(QStringLiteral("fren diski"), copyOf(*session))->rowCount();
    QVERIFY(broader > expected);
}

void TestStandInServer::searchFindsCodesWithoutSeparators()
{
    QSqlQuery q(m_server->db());
    QVERIFY(q.exec(QStringLiteral("SELECT stokno, oem1 FROM stok WHERE oem1 LIKE '% %' OR oem1 LIKE '%-%' LIMIT 1")));
    QVERIFY(q.next());
    const int stokno = q.value(0).toInt();
    const QString oem = q.value(1).toString();
    QString plain = oem;
    plain.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    auto session = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QVERIFY(column(proxy.StokAraGetir(oem, copyOf(*session)), QStringLiteral("STOK_STOKNO")).contains(stokno));
    QVERIFY(column(proxy.StokAraGetir(plain.toLower(), copyOf(*session)), QStringLiteral("STOK_STOKNO")).contains(stokno));
}

void TestStandInServer::searchWithoutMatch()
{
    auto session = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    for (const QString &text : {QStringLiteral("ZZQXW"), QStringLiteral("FREN ZZQXW"), QStringLiteral("*** \" ( )")}) {
        const TableData *t = proxy.StokAraGetir(text, copyOf(*session));
        QCOMPARE(t->rowCount(), 0);
        QVERIFY(t->indexOf(QStringLiteral("IND1")) >= 0); // the client insists on the column
    }
}

void TestStandInServer::customerPrices()
{
    // Dealer 1001 has the cascading rates 10 and 5.
    auto session = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const TableData *t = proxy.StokAraGetir(QStringLiteral("FILTRESI"), copyOf(*session));
    QVERIFY(t->rowCount() > 0);
    const auto col = [&](const char *n) { return t->indexOf(QString::fromLatin1(n)); };
    int checked = 0;
    for (int r = 0; r < t->rowCount(); ++r) {
        const double price = t->floatValue(r, col("FIYAT"));
        const double vat = t->floatValue(r, col("KDV"));
        if (t->intValue(r, col("K")) > 0) {
            QCOMPARE(price, t->floatValue(r, col("KAMPFIYAT")));
            QCOMPARE(t->floatValue(r, col("NETFIYAT")), price);
            continue;
        }
        QCOMPARE(price, t->floatValue(r, col("LISTEFIYAT1")));
        QCOMPARE(t->floatValue(r, col("IND1")), 10.0);
        QCOMPARE(t->floatValue(r, col("IND2")), 5.0);
        QCOMPARE(t->stringValue(r, col("INDIRIMYAZI")), QStringLiteral("10+5"));
        const double net = t->floatValue(r, col("NETFIYAT"));
        QVERIFY2(std::fabs(net - price * 0.9 * 0.95) <= 0.005 + 1e-9, qPrintable(QString::number(price)));
        QVERIFY(std::fabs(t->floatValue(r, col("KDVDAHIL")) - net * (1 + vat / 100)) <= 0.005 + 1e-9);
        QVERIFY(vat == 20 || vat == 10);
        ++checked;
    }
    QVERIFY(checked > 0);
}

void TestStandInServer::campaignsHiddenFromType4()
{
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const TableData *campaign = proxy.KampanyaliVer2(1001, 0);
    QVERIFY(campaign->rowCount() > 0);
    for (int r = 0; r < campaign->rowCount(); ++r) {
        QVERIFY(campaign->intValue(r, campaign->indexOf(QStringLiteral("K"))) > 0);
        QVERIFY(campaign->floatValue(r, campaign->indexOf(QStringLiteral("FIYAT")))
                < campaign->floatValue(r, campaign->indexOf(QStringLiteral("ESKIFIYAT"))));
    }
    QCOMPARE(proxy.KampanyaliVer2(1003, 4)->rowCount(), 0);

    auto type4 = sessionFor(m_port, kType4Pc);
    const TableData *t = proxy.StokAraGetir(QStringLiteral("A"), copyOf(*type4));
    QVERIFY(t->rowCount() > 0);
    for (int r = 0; r < t->rowCount(); ++r) {
        QCOMPARE(t->intValue(r, t->indexOf(QStringLiteral("K"))), 0);
        QCOMPARE(t->floatValue(r, t->indexOf(QStringLiteral("KAMPFIYAT"))), 0.0);
    }
}

void TestStandInServer::quantitiesOnlyForRepresentatives()
{
    const auto stockTotal = [this](const QString &pc) {
        auto session = sessionFor(m_port, pc);
        auto c = openConnection(m_port);
        TServerMethods1Client proxy(c.get());
        const TableData *t = proxy.StokAraGetir(QStringLiteral("FREN"), copyOf(*session));
        double sum = 0;
        for (int r = 0; r < t->rowCount(); ++r)
            sum += t->floatValue(r, t->indexOf(QStringLiteral("KALAN")))
                + t->floatValue(r, t->indexOf(QStringLiteral("VERILENSIPARIS")));
        return sum;
    };
    QVERIFY(stockTotal(kRepPc) > 0);
    QCOMPARE(stockTotal(kDemoPc), 0.0);
}

void TestStandInServer::pictures()
{
    const int with = dbValue(m_server->db(), QStringLiteral("SELECT MIN(stokno) FROM stok WHERE resim = 1")).toInt();
    const int without = dbValue(m_server->db(), QStringLiteral("SELECT MIN(stokno) FROM stok WHERE resim = 0")).toInt();
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    qint64 size = -1;
    const QByteArray jpeg = proxy.ResimVer5(with, size)->readAll();
    QVERIFY(size > 1000);
    QCOMPARE(jpeg.size(), size);
    QVERIFY(jpeg.startsWith("\xFF\xD8") && jpeg.endsWith("\xFF\xD9"));
    QCOMPARE(proxy.ResimVer5(with, size)->readAll(), jpeg); // the same picture every time
    for (int stokno : {without, 999999}) {
        QCOMPARE(proxy.ResimVer5(stokno, size)->readAll(), QByteArray());
        QCOMPARE(size, 0);
    }
}

void TestStandInServer::basketAmounts_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("qty");
    QTest::addColumn<QList<double>>("rates");
    QTest::addColumn<QList<double>>("expected"); // TUTAR, INDIRIMTUTAR, NETTUTAR, VERGITUTARI, NETBIRIMFIYAT
    QTest::addColumn<QString>("text");
    QTest::newRow("cascade 10+5") << 100.0 << 3.0 << QList<double>{10, 5, 0, 0}
                                  << QList<double>{300, 43.5, 256.5, 51.3, 85.5} << "10+5";
    QTest::newRow("no discount, tiny price") << 0.01 << 3.0 << QList<double>{0, 0, 0, 0}
                                             << QList<double>{0.03, 0, 0.03, 0.01, 0.01} << "0";
    QTest::newRow("four rates, fractions") << 33.33 << 7.0 << QList<double>{12.5, 0, 3, 0}
                                           << QList<double>{233.31, 35.29, 198.02, 39.60, 28.29} << "12,5+3";
}

void TestStandInServer::basketAmounts()
{
    QFETCH(double, price);
    QFETCH(double, qty);
    QFETCH(QList<double>, rates);
    QFETCH(QList<double>, expected);
    QFETCH(QString, text);
    // A representative sets his own price and rates; the server computes the amounts.
    const int stokno = dbValue(m_server->db(), QStringLiteral("SELECT MIN(stokno) FROM stok WHERE kdv = 20 AND k = 0")).toInt();
    auto rep = sessionFor(m_port, kRepPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QCOMPARE(proxy.SepetEkle2(copyOf(*rep), 1001, stokno, QString(), QString(), qty, 20, price, rates[0], rep->Sirano(), 0,
                              rates[1], rates[2], rates[3]), 1);
    const TableData *t = proxy.SepetVer2(1001);
    const int last = t->rowCount() - 1;
    QVERIFY(last >= 0);
    QCOMPARE(t->intValue(last, t->indexOf(QStringLiteral("STOKNO"))), stokno);
    const char *names[] = {"TUTAR", "INDIRIMTUTAR", "NETTUTAR", "VERGITUTARI", "NETBIRIMFIYAT"};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(qFuzzyCompare(1 + t->floatValue(last, t->indexOf(QString::fromLatin1(names[i]))), 1 + expected[i]), names[i]);
    QCOMPARE(t->stringValue(last, t->indexOf(QStringLiteral("INDIRIMYAZI"))), text);
    QCOMPARE(t->stringValue(last, t->indexOf(QStringLiteral("VEREN"))), QStringLiteral("TEMSILCI"));
}

void TestStandInServer::customerCannotSetOwnPrice()
{
    auto demo = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const TableData *items = proxy.StokAraGetir(QStringLiteral("RADYATOR"), copyOf(*demo));
    QVERIFY(items->rowCount() > 0);
    const int stokno = int(items->intValue(0, items->indexOf(QStringLiteral("STOK_STOKNO"))));
    const double offered = items->floatValue(0, items->indexOf(QStringLiteral("FIYAT")));
    QCOMPARE(proxy.SepetEkle2(copyOf(*demo), 1001, stokno, QString(), QString(), 1, 20, 0.5, 99, demo->Sirano(), 0, 0, 0, 0), 1);
    const TableData *t = proxy.SepetVer2(1001);
    QCOMPARE(t->floatValue(t->rowCount() - 1, t->indexOf(QStringLiteral("BIRIMFIYAT"))), offered);
}

void TestStandInServer::addRefused_data()
{
    QTest::addColumn<QString>("workstation");
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("stokno");
    QTest::addColumn<double>("qty");
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("rate");
    QTest::newRow("quantity 0") << kDemoPc << 1001 << 5 << 0.0 << 10.0 << 0.0;
    QTest::newRow("quantity below 1") << kDemoPc << 1001 << 5 << 0.5 << 10.0 << 0.0;
    QTest::newRow("negative quantity") << kDemoPc << 1001 << 5 << -3.0 << 10.0 << 0.0;
    QTest::newRow("unknown item") << kDemoPc << 1001 << 999999 << 1.0 << 10.0 << 0.0;
    QTest::newRow("item 0") << kDemoPc << 1001 << 0 << 1.0 << 10.0 << 0.0;
    QTest::newRow("another customer") << kDemoPc << 1002 << 5 << 1.0 << 10.0 << 0.0;
    QTest::newRow("unknown customer") << kRepPc << 4242 << 5 << 1.0 << 10.0 << 0.0;
    QTest::newRow("representative, price 0") << kRepPc << 1001 << 5 << 1.0 << 0.0 << 0.0;
    QTest::newRow("representative, rate 100") << kRepPc << 1001 << 5 << 1.0 << 10.0 << 100.0;
    QTest::newRow("representative, negative rate") << kRepPc << 1001 << 5 << 1.0 << 10.0 << -5.0;
}

void TestStandInServer::addRefused()
{
    QFETCH(QString, workstation);
    QFETCH(int, carino);
    QFETCH(int, stokno);
    QFETCH(double, qty);
    QFETCH(double, price);
    QFETCH(double, rate);
    auto s = sessionFor(m_port, workstation);
    const QString count = QStringLiteral("SELECT COUNT(*) FROM sepet");
    const int before = dbValue(m_server->db(), count).toInt();
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QVERIFY(proxy.SepetEkle2(copyOf(*s), carino, stokno, QString(), QString(), qty, 20, price, rate, s->Sirano(), 0, 0, 0, 0) != 1);
    QCOMPARE(dbValue(m_server->db(), count).toInt(), before);
}

void TestStandInServer::updateLine()
{
    auto demo = sessionFor(m_port, kDemoPc);
    auto other = sessionFor(m_port, kType3Pc);
    const int line = dbValue(m_server->db(), QStringLiteral("SELECT MIN(sirano) FROM sepet WHERE carino = 1001")).toInt();
    const QString qty = QStringLiteral("SELECT miktar FROM sepet WHERE sirano = %1").arg(line);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    // Another customer's line, or a quantity below 1: refused, nothing changes.
    const double before = dbValue(m_server->db(), qty).toDouble();
    QVERIFY(proxy.SepetGuncelle2(copyOf(*other), 1002, 0, QString(), QString(), 9, 20, 1, 0, other->Sirano(), line, 0, 0, 0) != 1);
    QVERIFY(proxy.SepetGuncelle2(copyOf(*demo), 1001, 0, QString(), QString(), 0, 20, 1, 0, demo->Sirano(), line, 0, 0, 0) != 1);
    QCOMPARE(dbValue(m_server->db(), qty).toDouble(), before);
    // The client sends stock number 0; the line is found by its number.
    QCOMPARE(proxy.SepetGuncelle2(copyOf(*demo), 1001, 0, QString(), QString(), before + 4, 20, 1, 0, demo->Sirano(), line, 0, 0, 0), 1);
    QCOMPARE(dbValue(m_server->db(), qty).toDouble(), before + 4);
}

void TestStandInServer::selectionUpdate()
{
    const int line = dbValue(m_server->db(), QStringLiteral("SELECT MIN(sirano) FROM sepet WHERE carino = 1001")).toInt();
    const QString sec = QStringLiteral("SELECT sec FROM sepet WHERE sirano = %1").arg(line);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    proxy.SepetSecimGuncelle(line, 0);
    QCOMPARE(dbValue(m_server->db(), sec).toInt(), 0);
    proxy.SepetSecimGuncelle(line, 1);
    QCOMPARE(dbValue(m_server->db(), sec).toInt(), 1);
    const TableData *t = proxy.SepetVer2(1001);
    const int row = int(column(t, QStringLiteral("SIRANO")).indexOf(line));
    QCOMPARE(t->intValue(row, t->indexOf(QStringLiteral("SEC"))), 1);
    proxy.SepetSecimGuncelle(999999, 1); // unknown line: nothing to do, no error
}

void TestStandInServer::deleteOnlyOwnLine()
{
    auto demo = sessionFor(m_port, kDemoPc);
    auto other = sessionFor(m_port, kType3Pc);
    const int line = dbValue(m_server->db(), QStringLiteral("SELECT MAX(sirano) FROM sepet WHERE carino = 1001")).toInt();
    const QString exists = QStringLiteral("SELECT COUNT(*) FROM sepet WHERE sirano = %1").arg(line);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QCOMPARE(proxy.SepetSatirSil(copyOf(*other), line, QStringLiteral("X-Y")), 0);
    QCOMPARE(dbValue(m_server->db(), exists).toInt(), 1);
    QCOMPARE(proxy.SepetSatirSil(copyOf(*demo), line, QStringLiteral("X-Y")), 1);
    QCOMPARE(dbValue(m_server->db(), exists).toInt(), 0);
    // A forged session is refused as a whole.
    auto forged = copyOf(*demo);
    forged->setSIFRE(QStringLiteral("0000"));
    QVERIFY_THROWS_EXCEPTION(RemoteError, proxy.SepetHepsiniSil(std::move(forged)));
}

void TestStandInServer::orderChoices()
{
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    const TableData *teslim = proxy.TeslimVer();
    QCOMPARE(teslim->rowCount(), 3);
    QCOMPARE(teslim->fields()[0].type, FieldType::Integer);
    QCOMPARE(teslim->fields()[1].type, FieldType::String);
    const TableData *types = proxy.KargoVer();
    QVERIFY(types->rowCount() >= 3);
    QList<int> carriers;
    for (int r = 0; r < types->rowCount(); ++r) {
        const TableData *k = proxy.KargolarVer(int(types->intValue(r, 0)));
        QVERIFY(k->indexOf(QStringLiteral("ADI")) >= 0 && k->indexOf(QStringLiteral("UYARI")) >= 0);
        QCOMPARE(k->fields()[k->indexOf(QStringLiteral("SIRANO"))].type, FieldType::Integer);
        carriers.append(k->rowCount());
    }
    QVERIFY(carriers.contains(1)); // a type with exactly one carrier
    QVERIFY(carriers.contains(0)); // and one with none
}

void TestStandInServer::mainWindowContent()
{
    auto demo = sessionFor(m_port, kDemoPc);
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QCOMPARE(proxy.SepetSayisi(copyOf(*demo)),
             dbValue(m_server->db(), QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001")).toInt());
    QVERIFY(!proxy.KayanYaziGetir().trimmed().isEmpty());
    const TAcilisEkranlariki *screens = proxy.AcilisEkranlarVer2();
    QVERIFY(screens);
    QCOMPARE(proxy.AcilisReklamAdet(), int(screens->Ekranlar().size()));
}

void TestStandInServer::orderMovesSelectedLines()
{
    TestServer server({QStringLiteral("--items"), QStringLiteral("40")});
    QVERIFY(server.start());
    auto demo = sessionFor(server.port(), kDemoPc);
    QSqlDatabase d = server.db();
    const int selected = dbValue(d, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001 AND sec = 1")).toInt();
    const int unselected = dbValue(d, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001 AND sec = 0")).toInt();
    QVERIFY(selected > 0 && unselected > 0);
    const int courier = dbValue(d, QStringLiteral("SELECT sirano FROM kargofirma WHERE tur = 4")).toInt();
    const int otherCarrier = dbValue(d, QStringLiteral("SELECT sirano FROM kargofirma WHERE tur = 1 LIMIT 1")).toInt();
    auto c = openConnection(server.port());
    TServerMethods1Client proxy(c.get());

    // A carrier of another cargo type is refused; nothing changes.
    QVERIFY(!proxy.SiparisKaydet(copyOf(*demo), 1001, 2, 4, QStringLiteral("x"), demo->Sirano(), otherCarrier));
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM siparis")).toInt(), 0);

    QVERIFY(proxy.SiparisKaydet(copyOf(*demo), 1001, 2, 4, QStringLiteral("Acil lütfen"), demo->Sirano(), courier));
    QSqlQuery q(d);
    QVERIFY(q.exec(QStringLiteral("SELECT idno, teslim, kargoturu, kargofirma, aciklama, veren, satirsayisi FROM siparis")));
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toInt(), 2);
    QCOMPARE(q.value(2).toInt(), 4);
    QCOMPARE(q.value(3).toInt(), courier);
    QCOMPARE(q.value(4).toString(), QStringLiteral("Acil lütfen"));
    QCOMPARE(q.value(5).toInt(), demo->Sirano());
    QCOMPARE(q.value(6).toInt(), selected);
    const int idno = q.value(0).toInt();
    QVERIFY(!q.next());
    q.finish();
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM siparissatir WHERE siparis = %1").arg(idno)).toInt(), selected);
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001")).toInt(), unselected);

    // Nothing selected any more: false, nothing stored.
    QVERIFY(!proxy.SiparisKaydet(copyOf(*demo), 1001, 2, 4, QString(), demo->Sirano(), courier));
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM siparis")).toInt(), 1);
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001")).toInt(), unselected);
}

void TestStandInServer::brokenInput_data()
{
    QTest::addColumn<bool>("hello");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("closes"); // true: {"error"} frame without id and the connection is closed

    const auto frame = [](const QByteArray &json) {
        QByteArray head(4, 0);
        qToBigEndian<quint32>(quint32(json.size()), head.data());
        return head + json;
    };
    QTest::newRow("no hello first") << false << frame(R"({"id":1,"call":"TServerMethods1.KargoVer","params":[]})") << true;
    QTest::newRow("wrong protocol") << false << frame(R"({"hello":"DataSnap","protocol":2})") << true;
    QTest::newRow("oversized length") << true << QByteArray("\x7f\xff\xff\xff{}", 6) << true;
    QTest::newRow("length 1") << true << QByteArray("\x00\x00\x00\x01{", 5) << true;
    QTest::newRow("garbage json") << true << frame("{nope") << true;
    QTest::newRow("not an object") << true << frame("[1,2,3]") << true;
    QTest::newRow("missing id") << true << frame(R"({"call":"TServerMethods1.KargoVer","params":[]})") << true;
    QTest::newRow("text id") << true << frame(R"({"id":"1","call":"TServerMethods1.KargoVer","params":[]})") << true;
    QTest::newRow("missing call") << true << frame(R"({"id":1,"params":[]})") << true;
    QTest::newRow("unknown method") << true << frame(R"({"id":1,"call":"TServerMethods1.Yok","params":[]})") << false;
    QTest::newRow("no class prefix") << true << frame(R"({"id":1,"call":"KargoVer","params":[]})") << false;
    QTest::newRow("too few params") << true << frame(R"({"id":1,"call":"TServerMethods1.SepetVer2","params":[]})") << false;
    QTest::newRow("too many params") << true << frame(R"({"id":1,"call":"TServerMethods1.SepetVer2","params":[1,2]})") << false;
    QTest::newRow("text for integer") << true << frame(R"({"id":1,"call":"TServerMethods1.SepetVer2","params":["1001"]})") << false;
    QTest::newRow("fraction for integer") << true << frame(R"({"id":1,"call":"TServerMethods1.SepetVer2","params":[1.5]})") << false;
    QTest::newRow("integer out of range") << true << frame(R"({"id":1,"call":"TServerMethods1.SepetVer2","params":[4294967296]})") << false;
    QTest::newRow("params not an array") << true << frame(R"({"id":1,"call":"TServerMethods1.SepetVer2","params":{"a":1}})") << false;
    QTest::newRow("unknown object type") << true
        << frame(R"({"id":1,"call":"TServerMethods1.StokAraGetir","params":["FREN",{"type":"x.Y","id":1,"fields":{}}]})") << false;
    QTest::newRow("dangling reference") << true
        << frame(R"({"id":1,"call":"TServerMethods1.StokAraGetir","params":["FREN",{"type":"baglantiu.TSonucBilgisi","ref":7}]})") << false;
    QTest::newRow("null session") << true << frame(R"({"id":1,"call":"TServerMethods1.StokAraGetir","params":["FREN",null]})") << false;
}

void TestStandInServer::brokenInput()
{
    QFETCH(bool, hello);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, closes);
    {
        RawClient raw(m_port);
        if (hello)
            raw.hello();
        raw.sendBytes(bytes);
        const QJsonObject reply = raw.read();
        QVERIFY2(reply.value("error").isString(), qPrintable(QString::fromUtf8(QJsonDocument(reply).toJson())));
        if (closes) {
            QVERIFY(!reply.contains("id"));
            QVERIFY(raw.closedByServer());
        } else {
            QCOMPARE(reply.value("id").toInt(), 1);
            // The connection stays usable.
            raw.sendPayload(R"({"id":2,"call":"TServerMethods1.TeslimVer","params":[]})");
            const QJsonObject next = raw.read();
            QCOMPARE(next.value("id").toInt(), 2);
            QVERIFY(next.value("result").isArray());
        }
    }
    // Other clients are served as before.
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QCOMPARE(proxy.TeslimVer()->rowCount(), 3);
}

void TestStandInServer::clientLeavingMidCall()
{
    auto session = sessionFor(m_port, kRepPc);
    ObjectWriter w;
    const QJsonObject call{{"id", 1}, {"call", "TServerMethods1.StokAraGetir"}, {"params", QJsonArray{"A", w.write(session.get())}}};
    for (int i = 0; i < 5; ++i) {
        RawClient raw(m_port);
        raw.hello();
        raw.sendBytes(wire::encodeFrame(call));
        raw.socket().abort();
    }
    {
        RawClient raw(m_port); // half a frame, then gone
        raw.hello();
        raw.sendBytes(QByteArray("\x00\x00\x01\x00{\"id\":", 10));
        raw.socket().abort();
    }
    auto c = openConnection(m_port);
    TServerMethods1Client proxy(c.get());
    QVERIFY(proxy.StokAraGetir(QStringLiteral("FREN"), copyOf(*session))->rowCount() > 0);
}

void TestStandInServer::concurrentClients()
{
    constexpr int kThreads = 8;
    constexpr int kRounds = 10;
    auto demo = sessionFor(m_port, kDemoPc);
    const QString count = QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001");
    const int before = dbValue(m_server->db(), count).toInt();
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            try {
                for (int i = 0; i < kRounds; ++i) {
                    auto c = openConnection(m_port);
                    TServerMethods1Client proxy(c.get());
                    if (!proxy.BuyukGetir(kDemoPc)->Varmi()
                        || proxy.StokAraGetir(QStringLiteral("FILTRESI"), copyOf(*demo))->rowCount() == 0
                        || proxy.SepetEkle2(copyOf(*demo), 1001, 1 + (t * kRounds + i) % 200, QString(), QString(), 1, 20, 1, 0,
                                            demo->Sirano(), 0, 0, 0, 0) != 1
                        || proxy.SepetVer2(1001)->rowCount() == 0)
                        ++failures;
                }
            } catch (const ZerdaError &e) {
                qWarning("%s", qPrintable(e.message()));
                ++failures;
            }
        });
    }
    for (auto &th : threads)
        th.join();
    QCOMPARE(failures.load(), 0);
    QCOMPARE(dbValue(m_server->db(), count).toInt(), before + kThreads * kRounds);
}

void TestStandInServer::killAfterOrder()
{
    TestServer server({QStringLiteral("--items"), QStringLiteral("40")});
    QVERIFY(server.start());
    auto demo = sessionFor(server.port(), kDemoPc);
    {
        auto c = openConnection(server.port());
        TServerMethods1Client proxy(c.get());
        QVERIFY(proxy.SiparisKaydet(copyOf(*demo), 1001, 1, 4, QStringLiteral("son"), demo->Sirano(), 8));
    }
    server.kill();
    QSqlDatabase d = server.db();
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM siparis")).toInt(), 1);
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM siparissatir")).toInt(),
             dbValue(d, QStringLiteral("SELECT satirsayisi FROM siparis")).toInt());
    QCOMPARE(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE sec = 1")).toInt(), 0);
}

void TestStandInServer::killDuringOrderFlood()
{
    TestServer server({QStringLiteral("--items"), QStringLiteral("40")});
    QVERIFY(server.start());
    const QList<QString> pcs{kDemoPc, kType3Pc, kRepPc};
    std::vector<std::unique_ptr<TSonucBilgisi>> sessions;
    for (const QString &pc : pcs)
        sessions.push_back(sessionFor(server.port(), pc));
    std::atomic<bool> stop{false};
    std::atomic<int> orders{0};
    std::vector<std::thread> threads;
    for (size_t t = 0; t < sessions.size(); ++t) {
        threads.emplace_back([&, t] {
            const TSonucBilgisi &s = *sessions[t];
            try {
                while (!stop) {
                    auto c = openConnection(server.port());
                    TServerMethods1Client proxy(c.get());
                    for (int i = 1; i <= 5; ++i)
                        proxy.SepetEkle2(copyOf(s), s.CARINO(), i, QString(), QString(), i, 20, 10, 0, s.Sirano(), 0, 0, 0, 0);
                    if (proxy.SiparisKaydet(copyOf(s), s.CARINO(), 1, 4, QString(), s.Sirano(), 8))
                        ++orders;
                }
            } catch (const ZerdaError &) {
                // the server is gone
            }
        });
    }
    QTRY_VERIFY_WITH_TIMEOUT(orders.load() >= 5, 20000);
    server.kill();
    stop = true;
    for (auto &th : threads)
        th.join();
    QSqlDatabase d = server.db();
    QVERIFY(dbValue(d, QStringLiteral("SELECT COUNT(*) FROM siparis")).toInt() >= orders.load());
    // Every stored order has all its lines.
    QCOMPARE(dbValue(d, QStringLiteral(
        "SELECT COUNT(*) FROM siparis o WHERE o.satirsayisi <> (SELECT COUNT(*) FROM siparissatir l WHERE l.siparis = o.idno)")).toInt(), 0);
    QCOMPARE(dbValue(d, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

void TestStandInServer::webSite_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("bodyStart");
    const int with = dbValue(m_server->db(), QStringLiteral("SELECT MIN(stokno) FROM stok WHERE resim = 1")).toInt();
    const int without = dbValue(m_server->db(), QStringLiteral("SELECT MIN(stokno) FROM stok WHERE resim = 0")).toInt();
    QTest::newRow("picture") << "GET /resimgoster.ashx?id=" + QByteArray::number(with) + " HTTP/1.1" << 200
                             << QByteArray("image/jpeg") << QByteArray("\xFF\xD8");
    QTest::newRow("no picture") << "GET /resimgoster.ashx?id=" + QByteArray::number(without) + " HTTP/1.1" << 404
                                << QByteArray("text/plain; charset=utf-8") << QByteArray();
    QTest::newRow("unknown item") << QByteArray("GET /resimgoster.ashx?id=999999 HTTP/1.1") << 404
                                  << QByteArray("text/plain; charset=utf-8") << QByteArray();
    QTest::newRow("bad id") << QByteArray("GET /resimgoster.ashx?id=abc HTTP/1.1") << 404
                            << QByteArray("text/plain; charset=utf-8") << QByteArray();
    QTest::newRow("installer") << QByteArray("GET /exe/ZerdaSetup.exe HTTP/1.1") << 200
                               << QByteArray("application/octet-stream") << QByteArray("#!/bin/sh\n");
    QTest::newRow("request page, raw blank") << QByteArray("GET /formmailgonder.aspx?carino=0&kullanici= &id=AB12 HTTP/1.1") << 200
                                             << QByteArray("text/html; charset=utf-8") << QByteArray("<!DOCTYPE html>");
    QTest::newRow("contact") << QByteArray("GET /iletisim.html?v=110.12.2026 HTTP/1.1") << 200
                             << QByteArray("text/html; charset=utf-8") << QByteArray("<!DOCTYPE html>");
    QTest::newRow("missing page") << QByteArray("GET /yok.html HTTP/1.1") << 404
                                  << QByteArray("text/html; charset=utf-8") << QByteArray("<!DOCTYPE html>");
    QTest::newRow("post") << QByteArray("POST / HTTP/1.1") << 405 << QByteArray("text/plain; charset=utf-8") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\x02 nonsense") << 400 << QByteArray("text/plain; charset=utf-8") << QByteArray();
}

void TestStandInServer::webSite()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, bodyStart);
    const HttpReply r = httpGet(m_server->httpPort(), request);
    QCOMPARE(r.status, status);
    QCOMPARE(r.contentType, type);
    QVERIFY(r.body.startsWith(bodyStart));
    if (status != 200)
        QVERIFY(!r.body.isEmpty());
}

void TestStandInServer::requestPageEscapes()
{
    const HttpReply r = httpGet(m_server->httpPort(),
        "GET /formmailgonder.aspx?carino=%3Cb%3E1%3C%2Fb%3E&kullanici=%22%3E%3Cscript%3Ealert(1)%3C%2Fscript%3E&id=A%26B HTTP/1.1");
    QCOMPARE(r.status, 200);
    const QString html = QString::fromUtf8(r.body);
    QVERIFY(!html.contains(QLatin1String("<script>")));
    QVERIFY(!html.contains(QLatin1String("<b>1")));
    QVERIFY(html.contains(QLatin1String("&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;")));
    QVERIFY(html.contains(QLatin1String("&lt;b&gt;1&lt;/b&gt;")));
    QVERIFY(html.contains(QLatin1String("A&amp;B")));
}

QTEST_GUILESS_MAIN(TestStandInServer)
#include "tst_server.moc"
