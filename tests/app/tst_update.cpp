// The update window against the demo web site, and the request page address.
#include "deployment.h"
#include "dosyaindir.h"
#include "fakeseams.h"
#include "formistekyeni.h"
#include "testserver.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

class TstUpdate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void noticeText();
    void progressText();
    void noTotalLengthKeepsInitialText();
    void downloadsStartsAndEnds();
    void requestErrorEndsTheProgram();
    void requestPageAddress();
    void requestWindowShowsThePage();

private:
    QTemporaryDir m_home;
    std::unique_ptr<TestServer> m_server;
};

void TstUpdate::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    qputenv("XDG_DATA_HOME", (m_home.path() + "/data").toUtf8());
    m_server = std::make_unique<TestServer>(QStringList{QStringLiteral("--items"), QStringLiteral("50")});
    QVERIFY(m_server->start());
}

void TstUpdate::noticeText()
{
    std::unique_ptr<Tdosyaindir> w(Tdosyaindir::Yeni(nullptr, 9));
    QCOMPARE(w->sLabel1->text(),
             QStringLiteral("Zerda Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: 9-8"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Dosya İndir"));
    QCOMPARE(w->bilgi->text(), QStringLiteral("bilgi"));
}

void TstUpdate::progressText()
{
    QCOMPARE(Tdosyaindir::progressText(2 * 1024 * 1024, 1024 * 1024), QStringLiteral("Bilgi: %50,00  İndirilen: 1,00/2,00 Mb"));
    QCOMPARE(Tdosyaindir::progressText(3000, 1000), QStringLiteral("Bilgi: %33,33  İndirilen: 0,00/0,00 Mb"));
}

void TstUpdate::noTotalLengthKeepsInitialText()
{
    std::unique_ptr<Tdosyaindir> w(Tdosyaindir::Yeni(nullptr, 9));
    w->NetHTTPClient1ReceiveData(0, 5000);
    QCOMPARE(w->bilgi->text(), QStringLiteral("bilgi"));
    QCOMPARE(w->ProgressBar1->value(), 0);
    w->NetHTTPClient1ReceiveData(10000, 5000);
    QCOMPARE(w->ProgressBar1->value(), 5000);
    QCOMPARE(w->ProgressBar1->maximum(), 10000);
}

void TstUpdate::downloadsStartsAndEnds()
{
    FakeSeams seams;
    Deployment::current().updateServer = QStringLiteral("http://127.0.0.1:%1/").arg(m_server->httpPort());
    const QString target = Tdosyaindir::targetPath();
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("eski kurulum");
    }
    std::unique_ptr<Tdosyaindir> w(Tdosyaindir::Yeni(nullptr, 9));
    w->GuncellemeIndir();
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("#!/bin/sh")); // the old one was replaced
    QCOMPARE(seams.opened.size(), 1);
    QCOMPARE(seams.opened.first().first, target);
    QCOMPARE(seams.opened.first().second, QStringList{"/silent"});
    QCOMPARE(seams.exits, QList<int>{0});
    // Activating the window again starts nothing.
    w->GuncellemeIndir();
    QCOMPARE(seams.opened.size(), 1);
}

void TstUpdate::requestErrorEndsTheProgram()
{
    FakeSeams seams;
    TestServer gone({QStringLiteral("--items"), QStringLiteral("50")});
    QVERIFY(gone.start());
    const quint16 port = gone.httpPort();
    gone.kill();
    Deployment::current().updateServer = QStringLiteral("http://127.0.0.1:%1").arg(port);
    std::unique_ptr<Tdosyaindir> w(Tdosyaindir::Yeni(nullptr, 9));
    w->GuncellemeIndir();
    QCOMPARE(seams.dialogs.size(), 1);
    QVERIFY(seams.dialogs.first().text.startsWith(QStringLiteral("Hata Oluştu !\r\nHata: ")));
    QCOMPARE(seams.dialogs.first().kind, int(mtError));
    QVERIFY(seams.opened.isEmpty());
    QCOMPARE(seams.exits, QList<int>{0});
}

void TstUpdate::requestPageAddress()
{
    QCOMPARE(Tformistekyeni::requestPageAddress(QStringLiteral("http://127.0.0.1:8080/"), QStringLiteral("WD-123")),
             QStringLiteral("http://127.0.0.1:8080/formmailgonder.aspx?carino=0&kullanici= &id=WD-123"));
}

void TstUpdate::requestWindowShowsThePage()
{
    Tformistekyeni w(nullptr);
    QSignalSpy loaded(w.sitem, &QWebEngineView::loadFinished);
    w.show();
    w.navigate(QUrl(Tformistekyeni::requestPageAddress(QStringLiteral("http://127.0.0.1:%1/").arg(m_server->httpPort()),
                                                      QStringLiteral("WD-123"))));
    QVERIFY(loaded.wait(30000));
    QCOMPARE(loaded.first().first().toBool(), true);
    QString text;
    w.sitem->page()->toPlainText([&](const QString &t) { text = t; });
    QTRY_VERIFY_WITH_TIMEOUT(text.contains(QStringLiteral("WD-123")), 10000);
    QCOMPARE(w.Kapat->text(), QStringLiteral("Kapat"));
}

QTEST_MAIN(TstUpdate)
#include "tst_update.moc"
