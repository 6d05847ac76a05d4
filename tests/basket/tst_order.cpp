// Order confirmation and sending: the choices of the dialog, its checks,
// what "Gönder" sends and says, and the balance warning check.

#include "async.h"
#include "callframe.h"
#include "fakeseams.h"
#include "fakewireserver.h"
#include "mainwindow.h"
#include "onaysip.h"
#include "siparisgonder.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

const QList<FieldDef> kIdText = {{"ID", FieldType::Integer}, {"ADI", FieldType::String}};
const QList<FieldDef> kCarrier = {{"SIRANO", FieldType::Integer}, {"ADI", FieldType::String}, {"UYARI", FieldType::String}};

QList<QVariantList> idRows(int count, int firstId)
{
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i)
        rows << QVariantList{firstId + i, QStringLiteral("Seçenek %1").arg(i + 1)};
    return rows;
}

} // namespace

class TestOrder : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeSeams> seams;
    std::unique_ptr<FakeWireServer> server;
    std::unique_ptr<TForm1> form;
    int refreshes = 0;
    int deliveryStates = 3;
    bool stored = true;

    QList<FakeWireServer::Call> callsOf(const QString &method) const { return server->callsOf(method); }

    // Cargo type 40 has one carrier, 41 two, 42 none; 43 fails on the server.
    QJsonArray answer(const QString &method, const QJsonArray &params)
    {
        if (method == "TeslimVer")
            return {FakeWireServer::table(kIdText, idRows(deliveryStates, 10))};
        if (method == "KargoVer")
            return {FakeWireServer::table(kIdText, idRows(4, 40))};
        if (method == "KargolarVer") {
            switch (params[0].toInt()) {
            case 40: return {FakeWireServer::table(kCarrier, {{31, "ARAS", "Cuma günü dağıtım yok"}})};
            case 41: return {FakeWireServer::table(kCarrier, {{32, "MNG", QVariant()}, {33, "YURTİÇİ", "Adrese teslim"}})};
            case 42: return {FakeWireServer::table(kCarrier, {})};
            default: throw std::runtime_error("Kargo listesi alınamadı");
            }
        }
        if (method == "SiparisKaydet")
            return {stored};
        if (method == "CariVadeGunGecmismiBul")
            return {QStringLiteral("Vadesi geçmiş bakiye: %1").arg(params[0].toInt())};
        throw std::runtime_error("unexpected " + method.toStdString());
    }

    std::unique_ptr<TONAYSIP> openDialog()
    {
        return TONAYSIP::Ac(form.get(), form->bagc, QStringLiteral("Vadesi geçmiş faturanız var"), form->sbilgi,
                            QStringLiteral("1.234,50"));
    }

    void fillBasket(int selected)
    {
        TableData t({{"SIRANO", FieldType::Integer}, {"SEC", FieldType::Integer}});
        for (int i = 0; i < 3; ++i) {
            const int r = t.appendRow();
            t.setInt(r, 0, 100 + i);
            t.setInt(r, 1, i < selected ? 1 : 0);
        }
        form->sepet.loadFromPacket(t);
    }

    static void activate(QWidget *w)
    {
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
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
        server->setHandler([this](const QString &m, const QJsonArray &p) { return answer(m, p); });
        form = std::make_unique<TForm1>();
        server->pointAt(form->bagc);
        form->sbilgi.update([](TSonucBilgisi &s) {
            s.setCARINO(1001);
            s.setSirano(55);
            s.setADI("AHMET");
            s.setCariAdi("DEMO OTOMOTİV");
        });
        form->SepetGorunumYenile = [this] { ++refreshes; };
        refreshes = 0;
        deliveryStates = 3;
        stored = true;
    }

    void cleanup()
    {
        QVERIFY(waitForBackgroundTasks());
        form.reset();
        server.reset();
        seams.reset();
    }

    // ---- the dialog --------------------------------------------------------

    void summary()
    {
        QCOMPARE(TONAYSIP::ozetMetni("AHMET", "DEMO", "1.234,50"),
                 QString("Kullanıcı: AHMET\nCari     : DEMO\nTutar    : 1.234,50"));
        auto d = openDialog();
        QCOMPARE(d->windowTitle(), QString("Sipariş Onay"));
        QCOMPARE(d->Label2->text(), QString("Kullanıcı: AHMET\nCari     : DEMO OTOMOTİV\nTutar    : 1.234,50"));
        QCOMPARE(d->Label3->text(), QString("Vadesi geçmiş faturanız var"));
        QCOMPARE(d->Label1->text(), QString("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"));
        QCOMPARE(d->Button1->text(), QString("Evet"));
        QCOMPARE(d->Button2->text(), QString("Hayır"));
        QCOMPARE(server->methods(), (QStringList{"TeslimVer", "KargoVer"}));
        QVERIFY(!form->bagc.Connected());
    }

    void deliveryStateDefault_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::newRow("three") << 3 << 1;
        QTest::newRow("two") << 2 << 1;
        QTest::newRow("one") << 1 << 0;
        QTest::newRow("none") << 0 << -1;
    }
    void deliveryStateDefault()
    {
        QFETCH(int, count);
        deliveryStates = count;
        auto d = openDialog();
        QCOMPARE(d->teslimbox->count(), count);
        QTEST(d->teslimbox->itemIndex(), "selected");
        if (count > 0)
            QCOMPARE(d->teslimbox->text(0), QString("Seçenek 1"));
        QCOMPARE(d->boxkargo->count(), 4);
        QCOMPARE(d->boxkargo->itemIndex(), -1); // the cargo type is always chosen by hand
    }

    void singleCarrierIsChosenByItself()
    {
        auto d = openDialog();
        d->boxkargo->button(0)->click();
        QCOMPARE(callsOf("KargolarVer").size(), 1);
        QCOMPARE(callsOf("KargolarVer")[0].params, QJsonArray{40});
        QCOMPARE(d->kargocombo->count(), 2);
        QCOMPARE(d->kargocombo->itemText(0).trimmed(), QString());
        QCOMPARE(d->kargocombo->currentText(), QString("ARAS"));
        QCOMPARE(d->uyarikargo->text(), QString("Cuma günü dağıtım yok"));
        QVERIFY(!form->bagc.Connected());
    }

    void severalCarriersWaitForTheUser()
    {
        auto d = openDialog();
        d->boxkargo->button(0)->click();
        d->boxkargo->button(1)->click();
        QCOMPARE(d->uyarikargo->text(), QString()); // cleared with the new type
        QCOMPARE(d->kargocombo->count(), 3);
        QCOMPARE(d->kargocombo->currentIndex(), 0);
        d->kargocombo->setCurrentIndex(2);
        emit d->kargocombo->activated(2);
        QCOMPARE(d->uyarikargo->text(), QString("Adrese teslim"));
        d->kargocombo->setCurrentIndex(1);
        emit d->kargocombo->activated(1);
        QCOMPARE(d->uyarikargo->text(), QString()); // no note
    }

    void checksInOrder()
    {
        auto d = openDialog();
        activate(d.get());
        d->teslimbox->setItemIndex(-1);
        d->Button1->click();
        d->teslimbox->button(2)->click();
        d->Button1->click();
        d->boxkargo->button(1)->click();
        d->Button1->click();
        QCOMPARE(seams->dialogTexts(),
                 (QStringList{"Lütfen Teslim Durumu Seçiniz !", "Lütfen Kargo Türünü Seçiniz !", "Lütfen Kargo  Seçiniz !"}));
        for (const MessageRequest &r : seams->dialogs)
            QCOMPARE(r.kind, int(mtWarning));
        QVERIFY(d->kargocombo->hasFocus());
        QVERIFY(d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));

        d->kargocombo->setCurrentIndex(2);
        d->Button1->click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(d->td, 12);
        QCOMPARE(d->kt, 41);
        QCOMPARE(d->KN, 33);
        QCOMPARE(seams->dialogs.size(), 3);
    }

    void typeWithoutCarriersCannotBeConfirmed()
    {
        auto d = openDialog();
        d->boxkargo->button(2)->click();
        QCOMPARE(d->kargocombo->count(), 1);
        d->Button1->click();
        QCOMPARE(seams->dialogTexts(), QStringList{"Lütfen Kargo  Seçiniz !"});
        QCOMPARE(d->result(), int(QDialog::Rejected));
    }

    void failedCarrierLoadDropsTheOldList()
    {
        auto d = openDialog();
        d->boxkargo->button(0)->click(); // ARAS chosen by itself
        d->boxkargo->button(3)->click(); // the server fails
        QCOMPARE(seams->errors, QStringList{"Kargo listesi alınamadı"});
        QCOMPARE(d->kargocombo->count(), 0);
        d->Button1->click();
        QCOMPARE(seams->dialogTexts(), QStringList{"Lütfen Kargo  Seçiniz !"});
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QVERIFY(!form->bagc.Connected());
    }

    // ---- "Gönder" ----------------------------------------------------------

    void nothingSelected()
    {
        fillBasket(0);
        bool opened = false;
        seams->onDialog = [&](QDialog *) { opened = true; return int(QDialog::Rejected); };
        GonderClick(*form, QString(), "0,00");
        QCOMPARE(seams->dialogTexts(), QStringList{"Gönderilecek Parça Yok "});
        QCOMPARE(seams->dialogs[0].kind, int(mtWarning));
        QVERIFY(!opened);
        QVERIFY(server->calls().isEmpty());
    }

    void noSendsNothing()
    {
        fillBasket(2);
        seams->onDialog = [](QDialog *d) {
            auto *o = qobject_cast<TONAYSIP *>(d);
            o->boxkargo->button(0)->click();
            o->Button2->click();
            return o->result();
        };
        GonderClick(*form, QString(), "10,00");
        QCOMPARE(callsOf("SiparisKaydet").size(), 0);
        QVERIFY(seams->dialogs.isEmpty());
        QCOMPARE(refreshes, 0);
    }

    void sending_data()
    {
        QTest::addColumn<bool>("serverStores");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("refreshed");
        QTest::newRow("stored") << true << "Siparişiniz Gönderildi !" << int(mtInformation) << 1;
        QTest::newRow("refused") << false << "Sipariş Göndermede Hata" << int(mtError) << 0;
    }
    void sending()
    {
        QFETCH(bool, serverStores);
        stored = serverStores;
        fillBasket(1);
        QString warning, summary;
        seams->onDialog = [&](QDialog *d) {
            auto *o = qobject_cast<TONAYSIP *>(d);
            warning = o->Label3->text();
            summary = o->Label2->text();
            o->boxkargo->button(1)->click();
            o->kargocombo->setCurrentIndex(1);
            o->aciklamagir->setPlainText("Salı öğleden önce");
            o->Button1->click();
            return o->result();
        };
        GonderClick(*form, "Bakiye uyarısı", "1.234,50");
        QCOMPARE(warning, QString("Bakiye uyarısı"));
        QVERIFY(summary.endsWith("Tutar    : 1.234,50"));
        const auto calls = callsOf("SiparisKaydet");
        QCOMPARE(calls.size(), 1);
        const QJsonArray p = calls[0].params;
        QCOMPARE(p.size(), 7);
        QCOMPARE(p[0]["type"].toString(), QString("baglantiu.TSonucBilgisi"));
        QCOMPARE(p[0]["fields"]["FCARINO"].toInt(), 1001);
        QCOMPARE(p[1].toInt(), 1001);  // _carino
        QCOMPARE(p[2].toInt(), 11);    // _teslim: the second entry
        QCOMPARE(p[3].toInt(), 41);    // _kargo
        QCOMPARE(p[4].toString(), QString("Salı öğleden önce"));
        QCOMPARE(p[5].toInt(), 55);    // _verenid
        QCOMPARE(p[6].toInt(), 32);    // _kargoyeni: MNG
        QFETCH(QString, message);
        QCOMPARE(seams->dialogTexts(), QStringList{message});
        QTEST(seams->dialogs[0].kind, "kind");
        QTEST(refreshes, "refreshed");
        QVERIFY(!form->bagc.Connected());
    }

    void connectionLostBeforeSending()
    {
        fillBasket(1);
        seams->onDialog = [&](QDialog *d) {
            auto *o = qobject_cast<TONAYSIP *>(d);
            o->boxkargo->button(0)->click();
            form->bagc.Params["Port"] = QString::number(closedPort());
            o->Button1->click();
            return o->result();
        };
        GonderClick(*form, QString(), "5,00");
        QCOMPARE(seams->dialogTexts(), (QStringList{QString::fromUtf8(kConnectionFailedText), "Sipariş Göndermede Hata"}));
        QCOMPARE(refreshes, 0);
    }

    void serverErrorWhileSending()
    {
        fillBasket(1);
        server->setHandler([this](const QString &m, const QJsonArray &p) -> QJsonArray {
            if (m == "SiparisKaydet")
                throw std::runtime_error("Sipariş kaydedilemedi");
            return answer(m, p);
        });
        seams->onDialog = [](QDialog *d) {
            auto *o = qobject_cast<TONAYSIP *>(d);
            o->boxkargo->button(0)->click();
            o->Button1->click();
            return o->result();
        };
        GonderClick(*form, QString(), "5,00");
        QCOMPARE(seams->errors, QStringList{"Sipariş kaydedilemedi"});
        QVERIFY(seams->dialogs.isEmpty());
        QCOMPARE(refreshes, 0);
        QVERIFY(!form->bagc.Connected());
    }

    // ---- balance warning -----------------------------------------------------

    void balanceWarning()
    {
        QStringList shown;
        QThread *uiThread = QThread::currentThread();
        bool onUi = false;
        CariBakiyeUyariBak(form->bagc, form->sbilgi, [&](const QString &t) {
            shown << t;
            onUi = QThread::currentThread() == uiThread;
        });
        QVERIFY(waitForBackgroundTasks());
        QCOMPARE(shown, QStringList{"Vadesi geçmiş bakiye: 1001"});
        QVERIFY(onUi);
        QVERIFY(seams->dialogs.isEmpty());
    }

    void balanceWarningServerError()
    {
        server->setHandler([](const QString &, const QJsonArray &) -> QJsonArray { throw std::runtime_error("x"); });
        QStringList shown{"eski"};
        CariBakiyeUyariBak(form->bagc, form->sbilgi, [&](const QString &t) { shown = QStringList{t}; });
        QVERIFY(waitForBackgroundTasks());
        QCOMPARE(shown, QStringList{QString()});
        QVERIFY(seams->errors.isEmpty());
        QVERIFY(seams->dialogs.isEmpty());
    }

    void balanceWarningWithoutServer()
    {
        form->bagc.Params["Port"] = QString::number(closedPort());
        int calls = 0;
        CariBakiyeUyariBak(form->bagc, form->sbilgi, [&](const QString &) { ++calls; });
        QVERIFY(waitForBackgroundTasks());
        QCOMPARE(calls, 0);
        QVERIFY(seams->dialogs.isEmpty()); // report flag 0: no final message
        QCOMPARE(seams->plain.size(), 11);
    }

    void onlyTheLatestCheckReports()
    {
        std::atomic<int> served{0};
        server->setHandler([&](const QString &, const QJsonArray &p) -> QJsonArray {
            if (served++ == 0) {
                QThread::msleep(300);
                return {QStringLiteral("eski cari %1").arg(p[0].toInt())};
            }
            return {QStringLiteral("yeni cari %1").arg(p[0].toInt())};
        });
        QStringList shown;
        CariBakiyeUyariBak(form->bagc, form->sbilgi, [&](const QString &t) { shown << t; });
        QTRY_COMPARE(int(served), 1);
        form->sbilgi.update([](TSonucBilgisi &s) { s.setCARINO(2002); });
        CariBakiyeUyariBak(form->bagc, form->sbilgi, [&](const QString &t) { shown << t; });
        QVERIFY(waitForBackgroundTasks());
        QCOMPARE(served.load(), 2);
        QCOMPARE(shown, QStringList{"yeni cari 2002"});
    }
};

QTEST_MAIN(TestOrder)
#include "tst_order.moc"
