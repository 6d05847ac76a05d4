// The main window's shell: start, role shaping, header labels, exit.
#include "fakeseams.h"
#include "mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class TstMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void tabsInOrder();
    void cancelledLoginEndsTheProcess();
    void loginFillsHeaderInBackground();
    void roleShaping_data();
    void roleShaping();
    void representativeLabelKeepsFixedTexts();
    void exitQuestion_data();
    void exitQuestion();
    void tabCaptions();
};

void TstMainWindow::tabsInOrder()
{
    TForm1 w;
    QStringList captions;
    for (int i = 0; i < w.sPageControl1->count(); ++i)
        captions << w.sPageControl1->tabText(i);
    QCOMPARE(captions, QStringList({"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre", "Yeni Stoklar",
                                    "Kampanyalı Stoklar", "Duyurular", "Bakiyeler", "Sanal Pos", "İletişim"}));
    QCOMPARE(w.sPageControl1->currentWidget(), w.sstoklistesi);
    QCOMPARE(w.windowTitle(), QStringLiteral("Zerda Otomotiv B2B Programı"));
    QVERIFY(w.musteritus->isHidden());
    QVERIFY(!w.R1->isVisible());
}

void TstMainWindow::cancelledLoginEndsTheProcess()
{
    FakeSeams seams;
    TForm1 w;
    bool started = false;
    w.addStartupLoader([&] { started = true; });
    w.loginDialog = [] { return false; };
    w.FormCreate();
    QCOMPARE(seams.exits, QList<int>{0});
    QVERIFY(!w.isVisible());
    QVERIFY(waitForBackgroundTasks());
    QVERIFY(!started);
    QVERIFY(seams.dialogs.isEmpty()); // ends without a word
}

void TstMainWindow::loginFillsHeaderInBackground()
{
    FakeSeams seams;
    TForm1 w;
    QStringList order;
    w.addStartupLoader([&] { order << QStringLiteral("ticker"); });
    w.loginDialog = [&] {
        w.sbilgi.update([](TSonucBilgisi &s) {
            s.setADI("DEMO");
            s.setCariAdi(QStringLiteral("Yıldız Oto Yedek Parça Ltd. Şti."));
            s.setSaticiAdi(QStringLiteral("Ahmet Şahin"));
            s.setSaticiTelefon("0532 111 22 33");
            s.setSaticiMail("ahmet.sahin@zerdaoto.com.tr");
            s.setMusteriTipi(0);
        });
        return true;
    };
    w.FormCreate();
    QVERIFY(seams.exits.isEmpty());
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(order, QStringList{"ticker"});
    QCOMPARE(w.kullanicilbl->text(), QStringLiteral("DEMO"));
    QCOMPARE(w.cariadilbl->text(), QStringLiteral("Yıldız Oto Yedek Parça Ltd. Şti."));
    QCOMPARE(w.saticilbl->text(), QStringLiteral("Ahmet Şahin Telefonu: 0532 111 22 33 email: ahmet.sahin@zerdaoto.com.tr"));
    QCOMPARE(w.bagc.Params.value("Port"), QStringLiteral("9090"));
}

void TstMainWindow::roleShaping_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("customerChoice");
    QTest::addColumn<bool>("reports");
    QTest::addColumn<bool>("campaignTab");
    QTest::newRow("representative 1") << 1 << true << true << true;
    QTest::newRow("representative 2") << 2 << true << true << true;
    QTest::newRow("customer 3") << 3 << false << false << true;
    QTest::newRow("customer 4") << 4 << false << false << false;
    QTest::newRow("plain customer 0") << 0 << false << false << true;
}

void TstMainWindow::roleShaping()
{
    QFETCH(int, type);
    QFETCH(bool, customerChoice);
    QFETCH(bool, reports);
    QFETCH(bool, campaignTab);
    TForm1 w;
    QList<int> heard;
    w.onRoleShaping([&](int t) { heard << t; });
    w.ShapeForCustomerType(type);
    QCOMPARE(!w.musteritus->isHidden(), customerChoice);
    QCOMPARE(w.R1->isVisible(), reports);
    QCOMPARE(w.isTabShown(w.skampanyali), campaignTab);
    QCOMPARE(heard, QList<int>{type});
}

void TstMainWindow::representativeLabelKeepsFixedTexts()
{
    TForm1 w;
    w.AnaBilgiAl();
    QCOMPARE(w.saticilbl->text(), QStringLiteral(" Telefonu:  email: "));
}

void TstMainWindow::exitQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("exits");
    QTest::newRow("Evet ends with 0") << int(mrYes) << QList<int>{0};
    QTest::newRow("Hayır changes nothing") << int(mrNo) << QList<int>{};
}

void TstMainWindow::exitQuestion()
{
    QFETCH(int, answer);
    QFETCH(QList<int>, exits);
    FakeSeams seams;
    seams.answers = {answer};
    TForm1 w;
    w.show();
    w.G1Click();
    QCOMPARE(seams.dialogTexts(), QStringList{"Programdan Çıkmak İstiyor musunuz ?"});
    QCOMPARE(seams.dialogs.first().focused, int(mbYes));
    QCOMPARE(seams.dialogs.first().kind, int(mtConfirmation));
    QCOMPARE(seams.exits, exits);
    QVERIFY(w.isVisible()); // never closed in an orderly way
}

void TstMainWindow::tabCaptions()
{
    QCOMPARE(TForm1::tabCaption(QStringLiteral("Sepet"), 12), QStringLiteral("12=Sepet"));
    QCOMPARE(TForm1::tabCaption(QStringLiteral("Stok Listesi"), 0), QStringLiteral("0=Stok Listesi"));
    QCOMPARE(TForm1::tabCaption(QStringLiteral("Sepet"), -1), QStringLiteral("Sepet"));
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
