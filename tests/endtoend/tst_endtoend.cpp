// The dealer's whole path through the real windows against the real server:
// log in, search, add an item, select it, send it with a carrier and a
// message; the order is in the server's database and the basket no longer
// holds the line.
#include "baskettab.h"
#include "datagrid.h"
#include "deployment.h"
#include "fakeseams.h"
#include "girisform.h"
#include "mainwindow.h"
#include "onaysip.h"
#include "program.h"
#include "stocklists.h"
#include "stokayarinti.h"
#include "testserver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TstEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void dealerSendsAnOrder();
};

// Answers the program's dialogs as the dealer would.
static int answer(QDialog *dialog)
{
    if (auto *login = qobject_cast<Tgirisform *>(dialog)) {
        login->adi->setText(QStringLiteral("DEMO"));
        login->sifre->setText(QStringLiteral("1234"));
        login->Button1Click();
        waitForBackgroundTasks();
        return login->result();
    }
    if (auto *entry = qobject_cast<Tstokayarinti *>(dialog)) {
        entry->show();
        entry->adet->setValue(2);
        entry->ParcaliTus1->click();
        return entry->result();
    }
    if (auto *confirm = qobject_cast<TONAYSIP *>(dialog)) {
        confirm->show();
        // "Kurye" has a single carrier, which is chosen by itself.
        for (int i = 0; i < confirm->boxkargo->count(); ++i)
            if (confirm->boxkargo->text(i) == QStringLiteral("Kurye"))
                confirm->boxkargo->button(i)->click();
        confirm->aciklamagir->setPlainText(QStringLiteral("Öğleden önce teslim lütfen."));
        confirm->Button1->click();
        return confirm->result();
    }
    return QDialog::Rejected;
}

void TstEndToEnd::dealerSendsAnOrder()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    TestServer server;
    QVERIFY(server.start());
    QVERIFY(server.registerWorkstation(QStringLiteral("E2E-DISK-1"), QStringLiteral("DEMO")));
    QDir().mkpath(home.path() + "/sys/block/sda/device");
    QFile serial(home.path() + "/sys/block/sda/device/serial");
    QVERIFY(serial.open(QIODevice::WriteOnly));
    serial.write("e2e-disk-1\n");
    serial.close();
    Deployment &d = Deployment::current();
    d.systemRoot = home.path();
    d.serverHost = QStringLiteral("127.0.0.1");
    d.serverPort = server.port();
    d.webSiteBase = QStringLiteral("http://127.0.0.1:%1/").arg(server.httpPort());

    FakeSeams seams;
    seams.onDialog = answer;
    TForm1 form;
    installSubsystems(form);
    form.FormCreate(); // the login dialog, answered above
    QVERIFY(seams.exits.isEmpty());
    QCOMPARE(form.sbilgi.snapshot().CARINO(), 1001);
    form.resize(1600, 900);
    form.show();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(form.kullanicilbl->text(), QStringLiteral("DEMO"));

    // Search and add the first item that is not in the basket yet.
    auto *lists = form.findChild<StockLists *>();
    form.araedit->setText(QStringLiteral("BUJI"));
    QTest::keyClick(form.araedit, Qt::Key_Return);
    QVERIFY(waitForBackgroundTasks());
    QVERIFY(form.stok.RecordCount() > 0);
    QSqlQuery q(server.db());
    int row = 0, stokno = 0;
    for (; row < lists->cxGrid1->rowCount(); ++row) {
        QVERIFY(lists->cxGrid1->focusRecord(row));
        stokno = lists->cxGrid1->focusedValue(QStringLiteral("STOK_STOKNO")).toInt();
        q.prepare("SELECT COUNT(*) FROM sepet WHERE carino = 1001 AND stokno = ?");
        q.addBindValue(stokno);
        QVERIFY(q.exec() && q.next());
        if (q.value(0).toInt() == 0)
            break;
    }
    lists->openItemEntry(lists->cxGrid1);
    q.prepare("SELECT sirano, miktar FROM sepet WHERE carino = 1001 AND stokno = ?");
    q.addBindValue(stokno);
    QVERIFY(q.exec() && q.next());
    const int sirano = q.value(0).toInt();
    QCOMPARE(q.value(1).toDouble(), 2.0);

    // Only the new line goes with this order.
    auto *basket = form.findChild<BasketTab *>();
    form.activateTab(form.ssepet);
    QVERIFY(waitForBackgroundTasks());
    basket->Button5Click();
    for (int r = 0; r < basket->cxGrid2->rowCount(); ++r) {
        QVERIFY(basket->cxGrid2->focusRecord(r));
        if (basket->cxGrid2->focusedValue(QStringLiteral("SIRANO")).toInt() == sirano)
            break;
    }
    basket->cxGrid2->setFocusedColumn(QStringLiteral("SEC"));
    basket->Deitir1Click();
    const int linesBefore = form.sepet.RecordCount();

    basket->Button1Click(); // "Gönder"
    QVERIFY(seams.dialogTexts().contains(QStringLiteral("Siparişiniz Gönderildi !")));
    QVERIFY(seams.errors.isEmpty());

    // The order and its line are on the server; the basket was reloaded without it.
    QVERIFY(q.exec("SELECT idno, aciklama, kargoturu, kargofirma FROM siparis WHERE carino = 1001 ORDER BY idno DESC LIMIT 1")
            && q.next());
    const int idno = q.value(0).toInt();
    QCOMPARE(q.value(1).toString(), QStringLiteral("Öğleden önce teslim lütfen."));
    QVERIFY(q.value(3).toInt() > 0);
    q.prepare("SELECT stokno, miktar FROM siparissatir WHERE siparis = ?");
    q.addBindValue(idno);
    QVERIFY(q.exec() && q.next());
    QCOMPARE(q.value(0).toInt(), stokno);
    QCOMPARE(q.value(1).toDouble(), 2.0);
    QVERIFY(!q.next()); // only the selected line
    q.prepare("SELECT COUNT(*) FROM sepet WHERE sirano = ?");
    q.addBindValue(sirano);
    QVERIFY(q.exec() && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    QCOMPARE(form.sepet.RecordCount(), linesBefore - 1);
    QVERIFY(!form.sepet.Locate(QStringLiteral("SIRANO"), sirano));
    QCOMPARE(form.tabText(form.ssepet), QStringLiteral("%1=Sepet").arg(linesBefore - 1));
}

QTEST_MAIN(TstEndToEnd)
#include "tst_endtoend.moc"
