// Item entry: the figures of the dialog, its keys, the four entry flows and
// what they send; the price cell of the stock list.

#include "asyncresim.h"
#include "callframe.h"
#include "deployment.h"
#include "fakeseams.h"
#include "fakewireserver.h"
#include "itementry.h"
#include "mainwindow.h"
#include "pricecell.h"
#include "stokayarinti.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionViewItem>
#include <QtTest>
#include <memory>

namespace {

const QList<FieldDef> kStockFields = {
    {"STOK_STOKNO", FieldType::Integer}, {"BARKOD", FieldType::String}, {"ADI", FieldType::String},
    {"MARKA", FieldType::String},        {"MODEL", FieldType::String},  {"FINISHKOD", FieldType::String},
    {"KDV", FieldType::Float},           {"FIYAT", FieldType::Float},   {"K", FieldType::Integer},
    {"IND1", FieldType::Float},          {"IND2", FieldType::Float},    {"IND3", FieldType::Float},
    {"IND4", FieldType::Float},          {"INDIRIMYAZI", FieldType::String},
};

const QList<FieldDef> kBasketFields = {
    {"SEC", FieldType::Integer},           {"SIRANO", FieldType::Integer},        {"STOKNO", FieldType::Integer},
    {"BARKOD", FieldType::String},         {"STOKADI", FieldType::String},        {"MARKA", FieldType::String},
    {"MODEL", FieldType::String},          {"FINISHKOD", FieldType::String},      {"MIKTAR", FieldType::Float},
    {"BIRIMFIYAT", FieldType::Float},      {"INDIRIMORANI1", FieldType::Float},   {"INDIRIMORANI2", FieldType::Float},
    {"INDIRIMORANI3", FieldType::Float},   {"INDIRIMORANI4", FieldType::Float},   {"KDV", FieldType::Float},
};

void fill(TClientDataSet &ds, const QList<FieldDef> &fields, const QList<QVariantList> &rows)
{
    TableData t(fields);
    for (const QVariantList &row : rows) {
        const int r = t.appendRow();
        for (int c = 0; c < row.size(); ++c)
            t.setValue(r, c, row[c]);
    }
    ds.loadFromPacket(t);
    ds.First();
}

QVariantList stockRow(int stokno, int k, double fiyat = 100, QList<double> rates = {10, 5, 0, 0})
{
    return {stokno, "BRK-" + QString::number(stokno), "FREN BALATASI ON", "BOSCH", "DOBLO", "FK-9", 20.0, fiyat, k,
            rates[0], rates[1], rates[2], rates[3], "10+5"};
}

QByteArray jpegBytes()
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPEG");
    return bytes;
}

// Numbers of a call's parameters, with the session record's customer in place of the object.
QList<double> numbers(const QJsonArray &params)
{
    QList<double> out;
    for (const QJsonValue &v : params)
        out << (v.isObject() ? v["fields"]["FCARINO"].toDouble() : v.toDouble());
    return out;
}

} // namespace

class TestItemEntry : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeSeams> seams;
    std::unique_ptr<FakeWireServer> server;
    std::unique_ptr<TForm1> form;
    int basketLoads = 0;
    int basketRefreshes = 0;
    qint32 serverAnswer = 1;
    QByteArray picture;

    void setCustomerType(int tip)
    {
        form->sbilgi.update([tip](TSonucBilgisi &s) { s.setMusteriTipi(tip); });
    }
    // Calls of one method.
    QList<FakeWireServer::Call> callsOf(const QString &method) const { return server->callsOf(method); }
    // Answers the dialog with a script; the dialog is shown, as exec would.
    void answerWith(std::function<void(Tstokayarinti *)> script)
    {
        seams->onDialog = [script](QDialog *d) {
            auto *dlg = qobject_cast<Tstokayarinti *>(d);
            if (!dlg)
                return int(QDialog::Rejected);
            dlg->show();
            script(dlg);
            const int result = dlg->result();
            dlg->hide();
            return result;
        };
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }

    void init()
    {
        seams = std::make_unique<FakeSeams>();
        server = std::make_unique<FakeWireServer>();
        form = std::make_unique<TForm1>();
        server->pointAt(form->bagc);
        form->sbilgi.update([](TSonucBilgisi &s) {
            s.setCARINO(1001);
            s.setSirano(55);
            s.setMusteriTipi(3);
        });
        basketLoads = basketRefreshes = 0;
        serverAnswer = 1;
        picture.clear();
        form->SepetGetir = [this] { ++basketLoads; };
        form->SepetGorunumYenile = [this] { ++basketRefreshes; };
        server->setHandler([this](const QString &method, const QJsonArray &) -> QJsonArray {
            if (method == QLatin1String("ResimVer5"))
                return {qint64(picture.size()), wire::encodeStream(picture)};
            return {serverAnswer};
        });
    }

    void cleanup()
    {
        form.reset();
        server.reset();
        seams.reset();
    }

    // ---- arithmetic --------------------------------------------------------

    void tutarHesapla_data()
    {
        QTest::addColumn<double>("price");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QList<double>>("rates");
        QTest::addColumn<double>("vat");
        QTest::addColumn<double>("discount");
        QTest::addColumn<double>("unitNet");
        QTest::addColumn<double>("unitWithVat");
        QTest::addColumn<double>("total");
        QTest::newRow("100 x 3, 10 and 5 off") << 100.0 << 3 << QList<double>{10, 5, 0, 0} << 20.0 << 43.5 << 85.5 << 102.6 << 307.8;
        QTest::newRow("10 then 5 of 200") << 200.0 << 1 << QList<double>{10, 0, 5, 0} << 20.0 << 29.0 << 171.0 << 205.2 << 205.2;
        QTest::newRow("negative rate ignored") << 100.0 << 1 << QList<double>{-10, 10, 0, 0} << 20.0 << 10.0 << 90.0 << 108.0 << 108.0;
        QTest::newRow("0,01 x 3") << 0.01 << 3 << QList<double>{0, 0, 0, 0} << 20.0 << 0.0 << 0.01 << 0.01 << 0.03;
        QTest::newRow("quantity 0") << 50.0 << 0 << QList<double>{0, 0, 0, 0} << 20.0 << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("four rates cascade") << 1000.0 << 2 << QList<double>{10, 10, 10, 10} << 18.0 << 687.8 << 656.1 << 774.2 << 1548.4;
    }
    void tutarHesapla()
    {
        QFETCH(double, price);
        QFETCH(int, quantity);
        QFETCH(QList<double>, rates);
        QFETCH(double, vat);
        const Tutarlar t = TutarHesapla(price, quantity, {rates[0], rates[1], rates[2], rates[3]}, vat);
        QTEST(RoundTo2(t.indirim), "discount");
        QTEST(t.netBirim, "unitNet");
        QTEST(t.kdvDahil, "unitWithVat");
        QTEST(t.genelTutar, "total");
    }

    void indirimVarmi_data()
    {
        QTest::addColumn<QList<double>>("rates");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0,5 + 0,4") << QList<double>{0.5, 0.4, 0, 0} << false;
        QTest::newRow("0,6 + 0,5") << QList<double>{0.6, 0.5, 0, 0} << true;
        QTest::newRow("exactly 1") << QList<double>{1, 0, 0, 0} << false;
        QTest::newRow("spread over four") << QList<double>{0.3, 0.3, 0.3, 0.3} << true;
        QTest::newRow("none") << QList<double>{0, 0, 0, 0} << false;
    }
    void indirimVarmi()
    {
        QFETCH(QList<double>, rates);
        QTEST(IndirimVarmi({rates[0], rates[1], rates[2], rates[3]}), "shown");
    }

    void rounding_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("two");
        QTest::addColumn<double>("three");
        QTest::newRow("1.005") << 1.005 << 1.01 << 1.005;
        QTest::newRow("0.125") << 0.125 << 0.13 << 0.125;
        QTest::newRow("0.012") << 0.012 << 0.01 << 0.012;
        QTest::newRow("-1.005") << -1.005 << -1.01 << -1.005;
        QTest::newRow("2.0005") << 2.0005 << 2.0 << 2.001;
    }
    void rounding()
    {
        QFETCH(double, x);
        QTEST(RoundTo2(x), "two");
        QTEST(RoundTo3(x), "three");
    }

    void paketYuvarla_data()
    {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("package");
        QTest::addColumn<int>("rounded");
        QTest::newRow("7 in fives") << 7 << 5 << 10;
        QTest::newRow("10 in fives") << 10 << 5 << 10;
        QTest::newRow("11 in fives") << 11 << 5 << 15;
        QTest::newRow("any in ones") << 13 << 1 << 13;
    }
    void paketYuvarla()
    {
        QFETCH(int, quantity);
        QFETCH(int, package);
        QTEST(PaketYuvarla(quantity, package), "rounded");
    }

    void adetOku_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("quantity"); // 0: none
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("blanks around") << " 12 " << 12;
        QTest::newRow("10000") << "10000" << 10000;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("over the maximum") << "10001" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("fraction") << "1,5" << 0;
    }
    void adetOku()
    {
        QFETCH(QString, text);
        QFETCH(int, quantity);
        QCOMPARE(AdetOku(text).value_or(0), quantity);
    }

    void money_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("144,00") << "144,00" << true << 144.0;
        QTest::newRow("grouped") << "1.234,56" << true << 1234.56;
        QTest::newRow("point as decimal") << "144.5" << true << 144.5;
        QTest::newRow("thousands only") << "1.234" << true << 1234.0;
        QTest::newRow("empty") << "" << true << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
    }
    void money()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        double v = -1;
        QTEST(ParaOku(text, &v), "ok");
        if (QTest::currentDataTag() != QByteArray("letters"))
            QCOMPARE(v, value);
        QCOMPARE(ParaMetni(1234.5), QString("1.234,50"));
        QCOMPARE(ParaMetni(0), QString("0,00"));
    }

    // ---- the dialog's keys ---------------------------------------------------

    void f4TakesVatOutOfThePrice()
    {
        Tstokayarinti d(nullptr, 9);
        d.kdvoran = 20;
        d.setFiyatDuzenlenebilir(true);
        d.birimfiyat->setValue(144);
        d.show();
        QTest::keyClick(d.birimfiyat, Qt::Key_F4);
        QCOMPARE(d.birimfiyat->value(), 120.0);
        QTest::keyClick(d.edindirim2, Qt::Key_F4); // any of the boxes
        QCOMPARE(d.birimfiyat->value(), 100.0);
        QCOMPARE(d.birimfiyat->text(), QString("100,00"));
        QCOMPARE(d.kdvdahiltutar->text(), QString("120,00"));
    }

    void f4WorksOnALockedPriceToo()
    {
        Tstokayarinti d(nullptr, 9);
        d.birimfiyat->setValue(144);
        d.show();
        QVERIFY(d.birimfiyat->isReadOnly());
        QTest::keyClick(d.birimfiyat, Qt::Key_F4);
        QCOMPARE(d.birimfiyat->value(), 120.0);
    }

    void typedPriceIsRecomputed()
    {
        Tstokayarinti d(nullptr, 9);
        d.kdvoran = 20;
        d.setFiyatDuzenlenebilir(true);
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.birimfiyat->setFocus();
        d.birimfiyat->selectAll();
        QTest::keyClicks(d.birimfiyat, "1.234.5"); // both point keys give the comma once
        QCOMPARE(d.birimfiyat->text(), QString("1,2345"));
        d.birimfiyat->selectAll();
        QTest::keyClicks(d.birimfiyat, "144,5");
        QCOMPARE(d.birimfiyat->value(), 144.5);
        QCOMPARE(d.geneltutar->text(), QString("173,40"));
        d.adet->setFocus();
        QCOMPARE(d.birimfiyat->text(), QString("144,50"));
    }

    void enterInQuantityConfirmsAtOnce()
    {
        Tstokayarinti d(nullptr, 9);
        d.show();
        d.adet->setValue(4);
        QTest::keyClick(d.adet, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.miktar().value_or(0), 4);
    }

    void enterInPriceIsConsumed()
    {
        Tstokayarinti d(nullptr, 9);
        d.show();
        QTest::keyClick(d.birimfiyat, Qt::Key_Return);
        QTest::keyClick(d.edindirim1, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void emptyQuantityIsRefusedByTheDialog()
    {
        Tstokayarinti d(nullptr, 9);
        d.show();
        d.adet->clear();
        QTest::keyClick(d.adet, Qt::Key_Return);
        QVERIFY(d.isVisible());
        d.ParcaliTus1->click();
        QVERIFY(d.isVisible());
        QCOMPARE(seams->dialogTexts(), QStringList(2, QString::fromUtf8(kAdetHataMetni)));
        QCOMPARE(seams->dialogs[0].kind, int(mtError));
    }

    void cancelButton()
    {
        Tstokayarinti d(nullptr, 9);
        d.show();
        d.ParcaliTus2->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void packageQuantity()
    {
        Tstokayarinti d(nullptr, 9);
        d.setKoliadet(5);
        QCOMPARE(d.adet->value(), 5);
        QCOMPARE(d.adet->minimum(), 5);
        QCOMPARE(d.adet->singleStep(), 5);
        d.show();
        d.adet->setValue(7);
        d.adetExit();
        QCOMPARE(d.adet->value(), 10);
        d.adet->setValue(12);
        d.ParcaliTus1->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.miktar().value_or(0), 15);
    }

    void discountRowDecidedAtShow_data()
    {
        QTest::addColumn<QList<double>>("rates");
        QTest::addColumn<bool>("shown");
        QTest::newRow("0,5 + 0,4") << QList<double>{0.5, 0.4, 0, 0} << false;
        QTest::newRow("0,6 + 0,5") << QList<double>{0.6, 0.5, 0, 0} << true;
    }
    void discountRowDecidedAtShow()
    {
        QFETCH(QList<double>, rates);
        QFETCH(bool, shown);
        Tstokayarinti d(nullptr, 9);
        d.birimfiyat->setValue(100);
        d.setOranlar({rates[0], rates[1], rates[2], rates[3]});
        d.show();
        QCOMPARE(d.indirimoran->isVisible(), shown);
        QCOMPARE(d.indtutar->isVisible(), shown);
        QCOMPARE(d.indirimSatiriGorunur(), shown);
        QCOMPARE(d.AsyncResim1->Url(), Deployment::current().webSiteBase + "resimgoster.ashx?id=9");
    }

    // ---- entry flows ---------------------------------------------------------

    void flowLabels_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("tip");
        QTest::addColumn<QString>("priceLabel");
        QTest::addColumn<QString>("discountLabel");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("rate1");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<bool>("editable");
        QTest::newRow("stock, ordinary") << "stok" << 0 << 3 << "Fiyat:" << "İndirim: %10+5" << 100.0 << 10.0 << false << false;
        QTest::newRow("stock, campaign") << "stok" << 1 << 3 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << 100.0 << 10.0 << false << false;
        QTest::newRow("stock, K = -1") << "stok" << -1 << 3 << "Fiyat:" << "İndirim:" << 0.0 << 0.0 << false << false;
        QTest::newRow("stock, representative") << "stok" << 0 << 1 << "Fiyat:" << "İndirim: %10+5" << 100.0 << 10.0 << true << true;
        QTest::newRow("new, ordinary") << "yeni" << 0 << 3 << "Fiyat:" << "İndirim:  % 10+5" << 100.0 << 10.0 << false << false;
        QTest::newRow("new, campaign") << "yeni" << 2 << 4 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << 100.0 << 10.0 << false << false;
        QTest::newRow("new, representative") << "yeni" << 0 << 2 << "Fiyat:" << "İndirim:  % 10+5" << 100.0 << 10.0 << true << true;
        QTest::newRow("campaign") << "kamp" << 0 << 3 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << 100.0 << 10.0 << false << false;
        QTest::newRow("campaign, representative") << "kamp" << 1 << 2 << "Kampanyalı Fiyat:" << "Kampanyalı 10+5" << 100.0 << 10.0 << false << true;
    }
    void flowLabels()
    {
        QFETCH(QString, flow);
        QFETCH(int, k);
        QFETCH(int, tip);
        setCustomerType(tip);
        TClientDataSet &ds = flow == "stok" ? form->stok : flow == "yeni" ? form->YENILER : form->kampstok;
        fill(ds, kStockFields, {stockRow(3, 0), stockRow(7, k)});
        ds.setRecNo(1);
        QString priceLabel, discountLabel, barkod, header;
        double price = -1, rate1 = -1, kdv = -1;
        bool panel = false, editable = false;
        int quantity = 0, stokno = 0;
        answerWith([&](Tstokayarinti *d) {
            priceLabel = d->Label2->text();
            discountLabel = d->indirimoran->text();
            price = d->birimfiyat->value();
            rate1 = d->edindirim1->value();
            panel = d->GridPanel2->isVisible();
            editable = !d->birimfiyat->isReadOnly() && !d->edindirim4->isReadOnly();
            quantity = d->adet->value();
            kdv = d->kdvoran;
            stokno = d->stokno;
            barkod = d->barkod->text();
            header = d->adi->text() + "|" + d->marka->text() + "|" + d->model->text() + "|" + d->finishkod->text();
            d->ParcaliTus2->click();
        });
        if (flow == "stok")
            StokListesindenEkle(*form, 7);
        else if (flow == "yeni")
            YenilerdenEkle(*form, 7);
        else
            KampanyalidanEkle(*form, 7);
        QTEST(priceLabel, "priceLabel");
        QTEST(discountLabel, "discountLabel");
        QTEST(price, "price");
        QTEST(rate1, "rate1");
        QTEST(panel, "panel");
        QTEST(editable, "editable");
        QCOMPARE(quantity, 1);
        QCOMPARE(kdv, 20.0);
        QCOMPARE(stokno, 7);
        QCOMPARE(barkod, QString("BRK-7"));
        QCOMPARE(header, QString("FREN BALATASI ON|BOSCH|DOBLO|FK-9"));
        QVERIFY(server->calls().isEmpty()); // cancelled: nothing sent
        QCOMPARE(basketLoads, 0);
    }

    void confirmSendsTheRow()
    {
        fill(form->stok, kStockFields, {stockRow(3, 0), stockRow(7, 1, 80, {10, 5, 2, 1})});
        form->stok.setRecNo(1);
        answerWith([](Tstokayarinti *d) {
            d->adet->selectAll();
            QTest::keyClicks(d->adet, "4");
            QTest::keyClick(d->adet, Qt::Key_Return);
        });
        StokListesindenEkle(*form, 7);
        const auto calls = callsOf("SepetEkle2");
        QCOMPARE(calls.size(), 1);
        const QJsonArray p = calls[0].params;
        QCOMPARE(p.size(), 14);
        QCOMPARE(p[0]["type"].toString(), QString("baglantiu.TSonucBilgisi"));
        QCOMPARE(p[3].toString(), QString("BRK-7"));
        QCOMPARE(p[4].toString(), QString("FREN BALATASI ON"));
        //                      carino stokno miktar kdv fiyat ind1 verenid k ind2 ind3 ind4
        const QList<double> expected{1001, 1001, 7, 0, 0, 4, 20, 80, 10, 55, 1, 5, 2, 1};
        QList<double> got = numbers(p);
        got[3] = got[4] = 0;
        QCOMPARE(got, expected);
        QCOMPARE(basketLoads, 1);
        QVERIFY(seams->dialogs.isEmpty());
        QVERIFY(!form->bagc.Connected());
    }

    void otherResultLeavesTheBasket()
    {
        serverAnswer = 0;
        fill(form->YENILER, kStockFields, {stockRow(7, 0)});
        answerWith([](Tstokayarinti *d) { QTest::keyClick(d->adet, Qt::Key_Return); });
        YenilerdenEkle(*form, 7);
        QCOMPARE(callsOf("SepetEkle2").size(), 1);
        QCOMPARE(basketLoads, 0);
        QVERIFY(seams->dialogs.isEmpty());
        QVERIFY(seams->errors.isEmpty());
    }

    void representativeChangesAreSent()
    {
        setCustomerType(1);
        fill(form->stok, kStockFields, {stockRow(7, 0, 144, {0, 0, 0, 0})});
        answerWith([](Tstokayarinti *d) {
            QTest::keyClick(d->birimfiyat, Qt::Key_F4);
            QTest::keyClick(d->birimfiyat, Qt::Key_F4);
            d->edindirim3->setFocus();
            d->edindirim3->selectAll();
            QTest::keyClicks(d->edindirim3, "7,5");
            d->ParcaliTus1->click();
        });
        StokListesindenEkle(*form, 7);
        const auto calls = callsOf("SepetEkle2");
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].params[7].toDouble(), 100.0);
        QCOMPARE(calls[0].params[8].toDouble(), 0.0);
        QCOMPARE(calls[0].params[12].toDouble(), 7.5);
    }

    void emptyQuantityOnConfirmSendsNothing_data()
    {
        QTest::addColumn<bool>("throughButton");
        QTest::newRow("Enter in the box") << false;
        QTest::newRow("dialog closed with OK regardless") << true;
    }
    void emptyQuantityOnConfirmSendsNothing()
    {
        QFETCH(bool, throughButton);
        fill(form->stok, kStockFields, {stockRow(7, 0)});
        answerWith([throughButton](Tstokayarinti *d) {
            d->adet->clear();
            if (throughButton)
                d->accept();
            else
                QTest::keyClick(d->adet, Qt::Key_Return);
        });
        StokListesindenEkle(*form, 7);
        QVERIFY(server->calls().isEmpty());
        QCOMPARE(seams->dialogTexts(), QStringList{QString::fromUtf8(kAdetHataMetni)});
        QVERIFY(seams->errors.isEmpty()); // a message of ours, not an escaped conversion error
        QCOMPARE(basketLoads, 0);
    }

    void noConnectionSendsNothing()
    {
        form->bagc.Params["Port"] = QString::number(closedPort());
        fill(form->kampstok, kStockFields, {stockRow(7, 0)});
        answerWith([](Tstokayarinti *d) { QTest::keyClick(d->adet, Qt::Key_Return); });
        KampanyalidanEkle(*form, 7);
        QCOMPARE(seams->dialogTexts(), QStringList{QString::fromUtf8(kConnectionFailedText)});
        QCOMPARE(basketLoads, 0);
    }

    void serverErrorIsReported()
    {
        server->setHandler([](const QString &, const QJsonArray &) -> QJsonArray { throw std::runtime_error("Stok kapalı"); });
        fill(form->stok, kStockFields, {stockRow(7, 0)});
        answerWith([](Tstokayarinti *d) { QTest::keyClick(d->adet, Qt::Key_Return); });
        StokListesindenEkle(*form, 7);
        QCOMPARE(seams->errors, QStringList{"Stok kapalı"});
        QCOMPARE(basketLoads, 0);
        QVERIFY(!form->bagc.Connected());
    }

    // ---- a basket line -------------------------------------------------------

    void changingABasketLine_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("changed") << 1;
        QTest::newRow("refused") << 0;
    }
    void changingABasketLine()
    {
        QFETCH(int, answer);
        serverAnswer = answer;
        picture = jpegBytes();
        fill(form->sepet, kBasketFields,
             {{1, 12, 3, "BRK-3", "YAG FILTRESI", "M", "X", "F", 1.0, 30.0, 0.0, 0.0, 0.0, 0.0, 20.0},
              {1, 77, 5, "BRK-5", "DISK", "BOSCH", "DOBLO", "FK", 3.0, 50.0, 10.0, 20.0, 0.0, 5.0, 18.0}});
        form->sepet.setRecNo(0); // on another line: the flow finds 77 itself
        QString priceLabel, discountLabel;
        QList<double> rates;
        int quantity = 0, stokno = 0;
        bool pictureLoaded = false, editable = true;
        answerWith([&](Tstokayarinti *d) {
            priceLabel = d->Label2->text();
            discountLabel = d->indirimoran->text();
            const IndirimOranlari r = d->oranlar();
            rates = {r[0], r[1], r[2], r[3]};
            quantity = d->adet->value();
            stokno = d->stokno;
            editable = !d->birimfiyat->isReadOnly();
            pictureLoaded = d->Image1->picture().size() == QSize(40, 30);
            QCOMPARE(d->geneltutar->text(), QString("177,00")); // 3 × 50 × 1,18, the line's rates left out
            QTest::keyClick(d->adet, Qt::Key_Return);
        });
        SepetSatirDegistir(*form, 77);
        QCOMPARE(server->methods(), (QStringList{"ResimVer5", "SepetGuncelle2"}));
        QCOMPARE(server->calls()[0].params, QJsonArray{5});
        QCOMPARE(priceLabel, QString("Fiyat:"));
        QCOMPARE(discountLabel, QString("İndirim:"));
        QCOMPARE(rates, (QList<double>{0, 0, 0, 0}));
        QCOMPARE(quantity, 3);
        QCOMPARE(stokno, 5);
        QVERIFY(!editable);
        QVERIFY(pictureLoaded);
        const QJsonArray p = callsOf("SepetGuncelle2")[0].params;
        QCOMPARE(p[3].toString(), QString("BRK-5"));
        QCOMPARE(p[4].toString(), QString("DISK"));
        //                     carino stokno miktar kdv fiyat ind1 verenid sirano ind2 ind3 ind4
        QList<double> got = numbers(p);
        got[3] = got[4] = 0;
        QCOMPARE(got, (QList<double>{1001, 1001, 0, 0, 0, 3, 18, 50, 10, 55, 77, 20, 0, 5}));
        QCOMPARE(basketRefreshes, 1);
        QCOMPARE(basketLoads, 0);
    }

    void representativeCannotEditABasketLine()
    {
        setCustomerType(2);
        fill(form->sepet, kBasketFields, {{1, 77, 5, "B", "D", "M", "X", "F", 3.0, 50.0, 0.0, 0.0, 0.0, 0.0, 20.0}});
        bool editable = true, panel = true;
        answerWith([&](Tstokayarinti *d) {
            editable = !d->birimfiyat->isReadOnly() || !d->edindirim1->isReadOnly();
            panel = d->GridPanel2->isVisible();
        });
        SepetSatirDegistir(*form, 77);
        QVERIFY(!editable);
        QVERIFY(!panel);
        QCOMPARE(callsOf("SepetGuncelle2").size(), 0);
        QCOMPARE(basketRefreshes, 0);
    }

    void installedOnTheWindow()
    {
        fill(form->sepet, kBasketFields, {{1, 77, 5, "B", "D", "M", "X", "F", 3.0, 50.0, 0.0, 0.0, 0.0, 0.0, 20.0}});
        QVERIFY(!form->SepetSatirDegistir);
        installItemEntry(*form);
        QVERIFY(bool(form->SepetSatirDegistir));
        int opened = 0;
        answerWith([&](Tstokayarinti *d) { opened = d->stokno; });
        form->SepetSatirDegistir(77);
        QCOMPARE(opened, 5);
    }

    void unknownLineOpensNothing()
    {
        fill(form->sepet, kBasketFields, {{1, 77, 5, "B", "D", "M", "X", "F", 3.0, 50.0, 0.0, 0.0, 0.0, 0.0, 20.0}});
        bool opened = false;
        answerWith([&](Tstokayarinti *) { opened = true; });
        SepetSatirDegistir(*form, 78);
        QVERIFY(!opened);
        QVERIFY(server->calls().isEmpty());
    }

    // ---- price cell ------------------------------------------------------------

    void priceCellText()
    {
        QCOMPARE(FiyatBilgisiMetni(1234.5, 0, 1000, 1200),
                 QString("Liste Fiyatı: 1.234,50\nNetFiyat: 1.000,00\nKDV li Fiyat: 1.200,00\n"));
        QCOMPARE(FiyatBilgisiMetni(100, 90.125, 80, 96),
                 QString("Liste Fiyatı: 100,00\nKampanyalı Fiyat: 90,13\nNetFiyat: 80,00\nKDV li Fiyat: 96,00\n"));
        QVERIFY(!FiyatBilgisiMetni(100, -1, 80, 96).contains("Kampanyalı"));
    }

    void priceCellPainting_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("selected") << true << 2 << QColor(Qt::darkBlue);
        QTest::newRow("odd row") << false << 3 << QColor(Qt::yellow);
        QTest::newRow("even row") << false << 4 << QColor(Qt::white);
    }
    void priceCellPainting()
    {
        QFETCH(bool, selected);
        QFETCH(int, row);
        QFETCH(QColor, fill);
        QImage img(240, 90, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        QStyleOptionViewItem o;
        o.rect = img.rect();
        o.state = QStyle::State_Enabled | QStyle::State_Active | (selected ? QStyle::State_Selected : QStyle::State_None);
        o.palette.setColor(QPalette::Highlight, Qt::darkBlue);
        o.palette.setColor(QPalette::HighlightedText, Qt::white);
        o.palette.setColor(QPalette::AlternateBase, Qt::yellow);
        o.palette.setColor(QPalette::Base, Qt::white);
        o.palette.setColor(QPalette::Text, Qt::black);
        {
            QPainter p(&img);
            FiyatBilgisiCiz(&p, o, row, FiyatBilgisiMetni(100, 0, 80, 96));
        }
        QCOMPARE(img.pixelColor(1, 1), fill);
        // Right-aligned inside a 10-pixel margin: ink near the right edge, none in the margin.
        int inkRight = -1, inkLeft = img.width();
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (img.pixelColor(x, y) != fill) {
                    inkRight = std::max(inkRight, x);
                    inkLeft = std::min(inkLeft, x);
                }
        QVERIFY(inkRight < img.width() - 10);
        QVERIFY(inkRight > img.width() - 25);
        QVERIFY(inkLeft > 10);
    }
};

QTEST_MAIN(TestItemEntry)
#include "tst_itementry.moc"
