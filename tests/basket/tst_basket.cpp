// The basket tab against the real stand-in server: load, totals, selection,
// change and delete, checked against the server's database.
#include "baskettab.h"
#include "baskettotals.h"
#include "clientfixture.h"
#include "datagrid.h"
#include "fakeseams.h"
#include "numfmt.h"
#include "testserver.h"

#include <QLabel>
#include <QSqlQuery>
#include <QtTest>

class TstBasket : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void totals_data();
    void totals();
    void showingTheTabLoadsIt();
    void selectAllAndClear_data();
    void selectAllAndClear();
    void doubleClickTogglesSecOrOpensTheLine();
    void deleteLineAnsweredNoSendsNothing();
    void deleteLineReloads();
    void deleteAllOnEmptyBasketAsksNothing();
    void deleteAll();
    void connectionLostDuringLoad();

private:
    int dbCount(const QString &where = QStringLiteral("1"));
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<FakeSeams> m_seams;
    std::unique_ptr<ClientFixture> m_client;
};

void TstBasket::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TstBasket::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    m_seams = std::make_unique<FakeSeams>();
    m_client = std::make_unique<ClientFixture>(*m_server);
}

void TstBasket::cleanup()
{
    m_client.reset();
    m_seams.reset();
    m_server.reset();
}

int TstBasket::dbCount(const QString &where)
{
    QSqlQuery q(m_server->db());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = 1001 AND ") + where) || !q.next())
        return -1;
    return q.value(0).toInt();
}

struct Line { int sec; double tutar, indirim, vergi; };
using Lines = QList<Line>;
Q_DECLARE_METATYPE(Lines)

void TstBasket::totals_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QList<double>>("expected"); // T, I, V, A, G
    QTest::newRow("nothing selected") << Lines{{0, 10, 1, 2}, {0, 5, 0, 1}} << QList<double>{0, 0, 0, 0, 0};
    QTest::newRow("0.125 twice rounds each time") << Lines{{1, 0.125, 0, 0}, {1, 0.125, 0, 0}}
                                                   << QList<double>{0.26, 0, 0, 0.26, 0.26};
    QTest::newRow("only the selected count") << Lines{{1, 100, 10, 18}, {0, 999, 99, 99}, {1, 50.5, 5.05, 9.09}}
                                             << QList<double>{150.5, 15.05, 27.09, 135.45, 162.54};
    QTest::newRow("empty basket") << Lines{} << QList<double>{0, 0, 0, 0, 0};
}

void TstBasket::totals()
{
    QFETCH(Lines, lines);
    QFETCH(QList<double>, expected);
    TableData t({{"SEC", FieldType::Integer}, {"TUTAR", FieldType::Float}, {"INDIRIMTUTAR", FieldType::Float},
                 {"VERGITUTARI", FieldType::Float}});
    for (const Line &l : lines) {
        const int r = t.appendRow();
        t.setInt(r, 0, l.sec);
        t.setFloat(r, 1, l.tutar);
        t.setFloat(r, 2, l.indirim);
        t.setFloat(r, 3, l.vergi);
    }
    TClientDataSet ds;
    ds.loadFromPacket(t);
    const BasketTotals got = basketTotals(ds);
    QCOMPARE((QList<double>{got.toplam, got.indirim, got.vergi, got.ara, got.genel}), expected);
}

void TstBasket::showingTheTabLoadsIt()
{
    BasketTab *b = m_client->basket;
    m_client->show(m_client->form->ssepet);
    QCOMPARE(m_client->form->tabText(m_client->form->ssepet), QStringLiteral("%1=Sepet").arg(dbCount()));
    QCOMPARE(b->cxGrid2->rowCount(), dbCount());
    QVERIFY(b->cxGrid2->isEnabled());
    QVERIFY(b->cxGrid2->isAttached());
    // The seeded dealer is overdue: the red warning comes from its own thread.
    QTRY_VERIFY(b->lbluyarbakiye->text().contains(QStringLiteral("Vadesi")));
    const BasketTotals t = basketTotals(m_client->form->sepet);
    QVERIFY(t.genel > 0);
    QCOMPARE(b->geneltoplaml->text(), formatFloat(moneyFormat(), t.genel));
    QCOMPARE(b->cxGrid2->footerText("STOKADI"), QString::number(dbCount()));
}

void TstBasket::selectAllAndClear_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("Hepsini Seç") << 1;
    QTest::newRow("Seçimleri Kaldır") << 0;
}

void TstBasket::selectAllAndClear()
{
    QFETCH(int, value);
    BasketTab *b = m_client->basket;
    m_client->show(m_client->form->ssepet);
    value ? b->Button4Click() : b->Button5Click();
    QCOMPARE(dbCount(QStringLiteral("sec = %1").arg(value)), dbCount()); // one call per line reached the server
    if (value == 0) {
        for (QLabel *l : {b->aratoplaml, b->indiriml, b->nettutarl, b->vergil, b->geneltoplaml})
            QCOMPARE(l->text(), QStringLiteral("0,00"));
    } else {
        QVERIFY(b->geneltoplaml->text() != QStringLiteral("0,00"));
    }
    QVERIFY(m_seams->dialogs.isEmpty());
}

void TstBasket::doubleClickTogglesSecOrOpensTheLine()
{
    BasketTab *b = m_client->basket;
    QList<int> opened;
    m_client->form->SepetSatirDegistir = [&](int sirano) { opened << sirano; };
    m_client->show(m_client->form->ssepet);
    QVERIFY(b->cxGrid2->focusRecord(0));
    const int sirano = b->cxGrid2->focusedValue("SIRANO").toInt();
    const int before = b->cxGrid2->focusedValue("SEC").toInt();

    b->cxGrid2->setFocusedColumn("SEC");
    b->Deitir1Click();
    QCOMPARE(b->cxGrid2->focusedValue("SEC").toInt(), 1 - before);
    QCOMPARE(dbCount(QStringLiteral("sirano = %1 AND sec = %2").arg(sirano).arg(1 - before)), 1);
    QVERIFY(opened.isEmpty());

    b->cxGrid2->setFocusedColumn("STOKADI");
    b->Deitir1Click();
    QCOMPARE(opened, QList<int>{sirano});
}

void TstBasket::deleteLineAnsweredNoSendsNothing()
{
    BasketTab *b = m_client->basket;
    m_client->show(m_client->form->ssepet);
    const int before = dbCount();
    QVERIFY(b->cxGrid2->focusRecord(0));
    m_seams->answers = {mrNo};
    b->SatrSil1Click();
    QCOMPARE(m_seams->dialogTexts(), QStringList{"Satırı silmek istiyor musunuz "});
    QCOMPARE(m_seams->dialogs.first().focused, int(mbNo));
    QCOMPARE(dbCount(), before);
}

void TstBasket::deleteLineReloads()
{
    BasketTab *b = m_client->basket;
    m_client->show(m_client->form->ssepet);
    const int before = dbCount();
    QVERIFY(b->cxGrid2->focusRecord(0));
    const int sirano = b->cxGrid2->focusedValue("SIRANO").toInt();
    m_seams->answers = {mrYes};
    b->SatrSil1Click();
    QCOMPARE(m_seams->dialogTexts().last(), QStringLiteral("Satır silindi !"));
    QCOMPARE(dbCount(), before - 1);
    QCOMPARE(dbCount(QStringLiteral("sirano = %1").arg(sirano)), 0);
    // Caption and totals follow the reloaded basket.
    QCOMPARE(m_client->form->tabText(m_client->form->ssepet), QStringLiteral("%1=Sepet").arg(before - 1));
    QCOMPARE(m_client->form->sepet.RecordCount(), before - 1);
    QCOMPARE(b->geneltoplaml->text(), formatFloat(moneyFormat(), basketTotals(m_client->form->sepet).genel));
}

void TstBasket::deleteAllOnEmptyBasketAsksNothing()
{
    BasketTab *b = m_client->basket;
    m_client->form->sepet.loadFromPacket(TableData({{"SIRANO", FieldType::Integer}, {"SEC", FieldType::Integer}}));
    b->HepsiniSil1Click();
    QVERIFY(m_seams->dialogs.isEmpty());
    QVERIFY(dbCount() > 0);
}

void TstBasket::deleteAll()
{
    BasketTab *b = m_client->basket;
    m_client->show(m_client->form->ssepet);
    m_seams->answers = {mrYes};
    b->HepsiniSil1Click();
    QCOMPARE(m_seams->dialogTexts(), QStringList({"Tüm Sepeti Silmek İstiyor musunuz ", "Sepet Silindi !"}));
    QCOMPARE(dbCount(), 0);
    QCOMPARE(m_client->form->tabText(m_client->form->ssepet), QStringLiteral("0=Sepet"));
    QCOMPARE(b->geneltoplaml->text(), QStringLiteral("0,00"));
}

void TstBasket::connectionLostDuringLoad()
{
    BasketTab *b = m_client->basket;
    m_client->form->bagc.Params["Port"] = QStringLiteral("1");
    m_client->show(m_client->form->ssepet);
    // Only the connect helper speaks: the attempts of the basket load and of
    // the warning check, and the load's final message.
    QCOMPARE(m_seams->plain.size(), 22);
    QCOMPARE(m_seams->dialogTexts(), QStringList{"Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"});
    QVERIFY(b->cxGrid2->isEnabled());
    QVERIFY(m_seams->errors.isEmpty());
}

QTEST_MAIN(TstBasket)
#include "tst_basket.moc"
