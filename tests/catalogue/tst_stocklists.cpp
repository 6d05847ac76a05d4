// The catalogue tabs: search box, loads, failures, layout and role columns.
#include "baskettab.h"
#include "clientfixture.h"
#include "datagrid.h"
#include "fakeseams.h"
#include "mainwindow.h"
#include "fakewireserver.h"
#include "program.h"
#include "searchtext.h"
#include "stocklists.h"
#include "testserver.h"

#include <QLineEdit>
#include <QSqlQuery>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

// An item packet as the server sends it; `rows` items, IND1 optional.
static QJsonArray itemPacket(int rows, bool withInd1 = true)
{
    QList<FieldDef> fields{{"STOK_STOKNO", FieldType::Integer}, {"BARKOD", FieldType::String}, {"ADI", FieldType::String},
                           {"LISTEFIYAT1", FieldType::Float}, {"KAMPFIYAT", FieldType::Float}, {"NETFIYAT", FieldType::Float},
                           {"KDVDAHIL", FieldType::Float}, {"DURUM", FieldType::Integer}};
    if (withInd1)
        fields.append({"IND1", FieldType::Float});
    TableData t(fields);
    for (int i = 0; i < rows; ++i) {
        const int r = t.appendRow();
        t.setInt(r, 0, 100 + i);
        t.setString(r, 1, QStringLiteral("YF-%1").arg(i));
        t.setString(r, 2, QStringLiteral("YAG FILTRESI %1").arg(i));
        t.setFloat(r, 3, 1234.5);
    }
    return QJsonArray{wire::encodeTable(t, true)};
}

class TstStockLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void foldingTable_data();
    void foldingTable();
    void typingFoldsTurkishLetters();
    void twoLettersWarnAndSendNothing();
    void threeLettersWithBlanksAreSentAsTyped();
    void searchWithNoRows();
    void araWhileSearchingDoesNothing();
    void failedSearchEmptiesTheList_data();
    void failedSearchEmptiesTheList();
    void failedNewItemsKeepTheirRows();
    void secondShowingWhileLoadingLoadsOnceMore();
    void clearEmptiesTheList();
    void wideAndNarrow_data();
    void wideAndNarrow();
    void roleColumns_data();
    void roleColumns();
    void doubleClickDispatch();

private:
    std::unique_ptr<FakeSeams> m_seams;
    QList<FakeWireServer::Call> searches() const;
    std::unique_ptr<FakeWireServer> m_server;
    std::unique_ptr<TForm1> m_form;
    StockLists *m_lists = nullptr;
    std::function<QJsonArray()> m_reply;
};

void TstStockLists::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TstStockLists::init()
{
    m_seams = std::make_unique<FakeSeams>();
    m_reply = [] { return itemPacket(3); };
    m_server = std::make_unique<FakeWireServer>();
    // Every call gets the item packet (the basket and the warning too: they
    // only need to answer something).
    m_server->setHandler([this](const QString &, const QJsonArray &) { return m_reply(); });
    m_form = std::make_unique<TForm1>();
    m_server->pointAt(m_form->bagc);
    installSubsystems(*m_form);
    m_lists = m_form->findChild<StockLists *>();
    m_form->resize(1600, 900);
    m_form->show();
}

void TstStockLists::cleanup()
{
    QVERIFY(waitForBackgroundTasks());
    m_form.reset();
    m_server.reset();
    m_seams.reset();
}

QList<FakeWireServer::Call> TstStockLists::searches() const
{
    return m_server->callsOf(QStringLiteral("StokAraGetir"));
}

void TstStockLists::foldingTable_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("çiğ") << "çiğ" << "CIG";
    QTest::newRow("all lower") << "ğüşöçı" << "GUSOCI";
    QTest::newRow("all upper") << "ĞÜŞİÖÇ" << "GUSIOC";
    QTest::newRow("plain i") << "fiat" << "FIAT";
    QTest::newRow("digits and marks") << "0z5-706 875" << "0Z5-706 875";
}

void TstStockLists::foldingTable()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(foldSearchText(typed), shown);
}

void TstStockLists::typingFoldsTurkishLetters()
{
    // Key by key, as typed (QTest::keyClicks takes ASCII only).
    for (const QChar c : QStringLiteral("çiğ")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(m_form->araedit, &press);
    }
    QCOMPARE(m_form->araedit->text(), QStringLiteral("CIG"));
}

void TstStockLists::twoLettersWarnAndSendNothing()
{
    m_form->activateTab(m_form->ssepet);
    m_form->araedit->setText(QStringLiteral("  AB  "));
    m_lists->araeditEnter();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_seams->dialogTexts().last(), QStringLiteral("Lütfen en az 3 harf giriniz !"));
    QCOMPARE(m_seams->dialogs.last().kind, int(mtWarning));
    QVERIFY(searches().isEmpty());
    QCOMPARE(m_form->sPageControl1->currentWidget(), m_form->sstoklistesi);
    QVERIFY(!m_form->stok.Active());
}

void TstStockLists::threeLettersWithBlanksAreSentAsTyped()
{
    m_form->araedit->setText(QStringLiteral("  YAG  "));
    QTest::keyClick(m_form->araedit, Qt::Key_Return);
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(searches().size(), 1);
    const QJsonArray params = searches().first().params;
    QCOMPARE(params.at(0).toString(), QStringLiteral("  YAG  "));
    QCOMPARE(params.at(1).toObject().value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
    QCOMPARE(m_form->tabText(m_form->sstoklistesi), QStringLiteral("3=Stok Listesi"));
    QCOMPARE(m_lists->cxGrid1->rowCount(), 3);
    QCOMPARE(m_form->stok.FieldByName("LISTEFIYAT1").DisplayText(), QStringLiteral("1.234,50"));
    QVERIFY(m_form->araedit->isEnabled());
}

void TstStockLists::searchWithNoRows()
{
    m_reply = [] { return itemPacket(0); };
    m_form->araedit->setText(QStringLiteral("YOKBOYLEBIRSEY"));
    m_lists->araeditEnter();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_form->tabText(m_form->sstoklistesi), QStringLiteral("0=Stok Listesi"));
    QCOMPARE(m_lists->cxGrid1->rowCount(), 0);
    QVERIFY(m_seams->dialogs.isEmpty());
}

void TstStockLists::araWhileSearchingDoesNothing()
{
    m_reply = [] {
        QThread::msleep(300);
        return itemPacket(3);
    };
    m_form->araedit->setText(QStringLiteral("FREN"));
    m_lists->araeditEnter();
    QVERIFY(m_lists->searching());
    m_lists->SpeedButton2Click();
    m_lists->SpeedButton1Click();
    QTest::keyClick(m_form->araedit, Qt::Key_Return);
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(searches().size(), 1);
    QCOMPARE(m_form->araedit->text(), QStringLiteral("FREN")); // "Temizle" did nothing either
}

void TstStockLists::failedSearchEmptiesTheList_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("server error") << "error";
    QTest::newRow("packet without IND1") << "noind1";
    QTest::newRow("server down") << "down";
}

void TstStockLists::failedSearchEmptiesTheList()
{
    QFETCH(QString, failure);
    m_form->araedit->setText(QStringLiteral("FREN"));
    m_lists->araeditEnter();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_form->stok.RecordCount(), 3);

    if (failure == "error")
        m_reply = []() -> QJsonArray { throw std::runtime_error("Veritabanı meşgul"); };
    else if (failure == "noind1")
        m_reply = [] { return itemPacket(2, false); };
    else
        m_form->bagc.Params["Port"] = QStringLiteral("1");
    m_lists->araeditEnter();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_form->stok.RecordCount(), 0);
    QCOMPARE(m_seams->dialogTexts().last(), QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(m_form->tabText(m_form->sstoklistesi), QStringLiteral("Stok Listesi"));
    QVERIFY(m_form->araedit->isEnabled());
    QVERIFY(m_seams->errors.isEmpty());
    QCOMPARE(m_seams->plain.size(), failure == "down" ? 11 : 0);
}

void TstStockLists::failedNewItemsKeepTheirRows()
{
    m_lists->syenilerShow();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_form->YENILER.RecordCount(), 3);
    QCOMPARE(m_form->tabText(m_form->syeniler), QStringLiteral("3=Yeni Stoklar"));
    m_form->bagc.Params["Port"] = QStringLiteral("1");
    m_lists->syenilerShow();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_form->YENILER.RecordCount(), 3);
    QCOMPARE(m_seams->dialogTexts().last(), QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QVERIFY(m_lists->cxGrid6->isEnabled());
    QCOMPARE(m_lists->cxGrid6->rowCount(), 3);
}

void TstStockLists::secondShowingWhileLoadingLoadsOnceMore()
{
    std::atomic<int> inside{0}, most{0};
    m_reply = [&] {
        most = std::max(most.load(), ++inside);
        QThread::msleep(200);
        --inside;
        return itemPacket(2);
    };
    m_lists->skampanyaliShow();
    m_lists->skampanyaliShow();
    m_lists->skampanyaliShow();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(m_server->methods(), QStringList({"KampanyaliVer2", "KampanyaliVer2"})); // the running load, then one more
    QCOMPARE(most.load(), 1);        // never two at once
    QCOMPARE(m_form->tabText(m_form->skampanyali), QStringLiteral("2=Kampanyalı"));
}

void TstStockLists::clearEmptiesTheList()
{
    m_form->araedit->setText(QStringLiteral("FREN"));
    m_lists->araeditEnter();
    QVERIFY(waitForBackgroundTasks());
    m_form->activateTab(m_form->ssepet);
    m_lists->SpeedButton1Click();
    QCOMPARE(m_form->stok.RecordCount(), 0);
    QCOMPARE(m_form->tabText(m_form->sstoklistesi), QStringLiteral("Stok Listesi"));
    QCOMPARE(m_form->sPageControl1->currentWidget(), m_form->sstoklistesi);
    QVERIFY(m_form->araedit->text().isEmpty());
}

void TstStockLists::wideAndNarrow_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("wide");
    QTest::newRow("1152 counts as narrow") << 1152 << false;
    QTest::newRow("1153 is wide") << 1153 << true;
    QTest::newRow("1000 narrow") << 1000 << false;
}

void TstStockLists::wideAndNarrow()
{
    QFETCH(int, width);
    QFETCH(bool, wide);
    m_form->resize(width, 800);
    m_lists->StokGridDuzenle();
    DataGrid *g = m_lists->cxGrid1;
    for (const char *price : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
        QCOMPARE(g->isColumnVisible(price), wide);
    QCOMPARE(g->isColumnVisible("FiyatBilgisi"), !wide);
    QCOMPARE(g->rowHeight(), wide ? 80 : 100);
    if (!wide)
        QCOMPARE(g->columnWidth("FiyatBilgisi"), 150);
}

void TstStockLists::roleColumns_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("repColumns");
    QTest::addColumn<bool>("campaignColumns");
    QTest::addColumn<bool>("basketStatus");
    QTest::newRow("representative 1") << 1 << true << true << true;
    QTest::newRow("representative 2") << 2 << true << true << true;
    QTest::newRow("customer 3") << 3 << false << true << false;
    QTest::newRow("customer 4") << 4 << false << false << true;
    QTest::newRow("plain customer") << 0 << false << true << true;
}

void TstStockLists::roleColumns()
{
    QFETCH(int, type);
    QFETCH(bool, repColumns);
    QFETCH(bool, campaignColumns);
    QFETCH(bool, basketStatus);
    m_form->ShapeForCustomerType(type);
    m_form->resize(1600, 900);
    m_lists->StokGridDuzenle(); // the wide layout must not bring campaign prices back
    for (DataGrid *g : {m_lists->cxGrid1, m_lists->cxGrid6, m_lists->cxkampanyali})
        for (const char *c : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
            QCOMPARE(g->isColumnVisible(c), repColumns);
            QCOMPARE(g->isColumnOffered(c), repColumns);
        }
    for (DataGrid *g : {m_lists->cxGrid1, m_lists->cxGrid6})
        for (const char *c : {"K", "KAMPFIYAT"}) {
            QCOMPARE(g->isColumnVisible(c), campaignColumns);
            QCOMPARE(g->isColumnOffered(c), campaignColumns);
        }
    BasketTab *basket = m_form->findChild<BasketTab *>();
    QCOMPARE(basket->cxGrid2->isColumnVisible("DURUM"), basketStatus);
    QCOMPARE(basket->cxGrid2->isColumnOffered("DURUM"), basketStatus);
    QCOMPARE(basket->cxGrid2->isColumnVisible("KALAN"), repColumns);
}

void TstStockLists::doubleClickDispatch()
{
    TestServer server;
    QVERIFY(server.start());
    ClientFixture client(server);
    QList<int> changed;
    client.form->SepetSatirDegistir = [&](int sirano) { changed << sirano; };
    // Empty list: nothing happens.
    client.lists->openItemEntry(client.lists->cxGrid1);
    QVERIFY(changed.isEmpty());
    QVERIFY(!client.form->sepet.Active());

    // An item already in the basket opens its basket line, not a new one.
    QSqlQuery q(server.db());
    QVERIFY(q.exec("SELECT s.sirano, s.barkod FROM sepet s WHERE s.carino = 1001 ORDER BY s.sirano LIMIT 1") && q.next());
    const int sirano = q.value(0).toInt();
    client.search(q.value(1).toString());
    QVERIFY(client.lists->cxGrid1->rowCount() >= 1);
    QVERIFY(client.lists->cxGrid1->focusRecord(0));
    client.lists->openItemEntry(client.lists->cxGrid1);
    QVERIFY(client.form->sepet.Active()); // loaded first
    QCOMPARE(changed, QList<int>{sirano});
}

QTEST_MAIN(TstStockLists)
#include "tst_stocklists.moc"
