// The login dialog against the real stand-in server.
#include "connection.h"
#include "deployment.h"
#include "fakeseams.h"
#include "girisform.h"
#include "session.h"
#include "testserver.h"
#include "utils.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TstLogin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void rememberedLogin_data();
    void rememberedLogin();
    void typedTextIsUpperCase();
    void enterOnEmptyBoxesWarns();
    void outcomes_data();
    void outcomes();
    void unknownWorkstationShowsRequestForm();
    void outdatedClientSeesUpdateFirst();
    void serverDown();
    void oneAttemptAtATime();

private:
    struct Attempt {
        std::unique_ptr<Tgirisform> dialog;
        QStringList steps; // update / request / customer, in order
    };
    std::unique_ptr<Attempt> attempt(TestServer &server, const QString &user, const QString &password);
    void setWorkstation(const QString &serial);

    QTemporaryDir m_home;
    QTemporaryDir m_system;
    std::unique_ptr<TestServer> m_server;
    DSConnection m_connection;
    Session m_session;
};

void TstLogin::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", (m_home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (m_home.path() + "/data").toUtf8());
    m_server = std::make_unique<TestServer>();
    QVERIFY(m_server->start());
    Deployment::current().serverHost = QStringLiteral("127.0.0.1");
    Deployment::current().systemRoot = m_system.path();
    m_connection.Params["Port"] = QString::number(m_server->port());
    for (const char *user : {"DEMO", "PASIF"})
        QVERIFY(m_server->registerWorkstation(QStringLiteral("WS-%1").arg(user), user));
}

void TstLogin::init()
{
    QFile::remove(LoginFilePath());
    setWorkstation(QStringLiteral("WS-DEMO"));
}

void TstLogin::setWorkstation(const QString &serial)
{
    QDir(m_system.path()).removeRecursively();
    QDir().mkpath(m_system.path() + "/sys/block/sda/device");
    QFile f(m_system.path() + "/sys/block/sda/device/serial");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(serial.toUtf8());
}

std::unique_ptr<TstLogin::Attempt> TstLogin::attempt(TestServer &server, const QString &user, const QString &password)
{
    auto a = std::make_unique<Attempt>();
    m_connection.Params["Port"] = QString::number(server.port());
    a->dialog = std::make_unique<Tgirisform>(nullptr, &m_connection, &m_session);
    Attempt *raw = a.get();
    a->dialog->OfferUpdate = [raw](int v) { raw->steps << QStringLiteral("update %1").arg(v); };
    a->dialog->ShowRequestForm = [raw] { raw->steps << QStringLiteral("request"); };
    a->dialog->ChooseCustomer = [raw] { raw->steps << QStringLiteral("customer"); };
    a->dialog->adi->setText(user);
    a->dialog->sifre->setText(password);
    a->dialog->Button1Click();
    waitForBackgroundTasks();
    return a;
}

void TstLogin::rememberedLogin_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("name");
    QTest::newRow("remembered") << "[kullanici]\nisim=DEMO\nsifre=1234\nhatırla=1\n" << true << "DEMO";
    QTest::newRow("hatırla 0 leaves the boxes empty") << "[kullanici]\nisim=DEMO\nsifre=1234\nhatırla=0\n" << false << "";
    QTest::newRow("any non-zero number is true") << "[kullanici]\nisim=DEMO\nsifre=1234\nhatırla=-1\n" << true << "DEMO";
    QTest::newRow("no file: defaults") << "" << true << "";
}

void TstLogin::rememberedLogin()
{
    QFETCH(QString, file);
    QFETCH(bool, checked);
    QFETCH(QString, name);
    if (!file.isEmpty()) {
        QFile f(LoginFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.toUtf8());
    }
    Tgirisform d(nullptr, &m_connection, &m_session);
    QCOMPARE(d.benihatirla->isChecked(), checked);
    QCOMPARE(d.adi->text(), name);
    QCOMPARE(d.sifre->text(), name.isEmpty() ? QString() : QStringLiteral("1234"));
    QCOMPARE(d.idsi, QStringLiteral("WS-DEMO"));
}

void TstLogin::typedTextIsUpperCase()
{
    FakeSeams seams;
    Tgirisform d(nullptr, &m_connection, &m_session);
    QTest::keyClicks(d.adi, QStringLiteral("demo"));
    QTest::keyClicks(d.sifre, QStringLiteral("abc1"));
    QCOMPARE(d.adi->text(), QStringLiteral("DEMO"));
    QCOMPARE(d.sifre->text(), QStringLiteral("ABC1"));
}

void TstLogin::enterOnEmptyBoxesWarns()
{
    FakeSeams seams;
    Tgirisform d(nullptr, &m_connection, &m_session);
    d.show();
    d.adi->setText(QStringLiteral("   "));
    QTest::keyClick(d.adi, Qt::Key_Return);
    QTest::keyClick(d.sifre, Qt::Key_Return);
    QCOMPARE(seams.dialogTexts(), QStringList({"Lütfen kullanıcı adını giriniz !", "Lütfen kullanıcı şifresini giriniz !"}));
    QCOMPARE(seams.dialogs.first().kind, int(mtWarning));
    QCOMPARE(seams.beeps, 4); // the error sound, then the dialog's own
    QVERIFY(d.Button1->isEnabled()); // no attempt started
}

void TstLogin::outcomes_data()
{
    QTest::addColumn<QString>("workstation");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("fileWritten");
    QTest::newRow("right name and password") << "WS-DEMO" << "DEMO" << "1234" << true << true;
    QTest::newRow("password differs: ayar.ini unwritten") << "WS-DEMO" << "DEMO" << "9999" << false << false;
    QTest::newRow("name differs") << "WS-DEMO" << "DEMOX" << "1234" << false << false;
    QTest::newRow("inactive: ayar.ini written, then the warning") << "WS-PASIF" << "PASIF" << "9999" << false << true;
}

void TstLogin::outcomes()
{
    QFETCH(QString, workstation);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QFETCH(bool, fileWritten);
    FakeSeams seams;
    setWorkstation(workstation);
    auto a = attempt(*m_server, user, password);
    QCOMPARE(a->dialog->result() == QDialog::Accepted, accepted);
    QCOMPARE(QFile::exists(LoginFilePath()), fileWritten);
    QVERIFY(seams.exits.isEmpty());
    QVERIFY(a->steps.isEmpty());
    if (accepted) {
        QVERIFY(seams.dialogs.isEmpty());
        const TSonucBilgisi s = m_session.snapshot();
        QCOMPARE(s.ADI(), QStringLiteral("DEMO"));
        QCOMPARE(s.CARINO(), 1001);
        QCOMPARE(s.BILGISAYARID(), QStringLiteral("WS-DEMO")); // local values put back
        QCOMPARE(s.Disip(), QStringLiteral("127.0.0.1"));
        RememberedLogin saved;
        QVERIFY(ReadRememberedLogin(&saved));
        QCOMPARE(saved.isim, QStringLiteral("DEMO"));
        QCOMPARE(saved.sifre, QStringLiteral("1234"));
        QVERIFY(saved.hatirla);
        // The file holds a password: readable by its owner only.
        QCOMPARE(QFile::permissions(LoginFilePath()) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
        QFile raw(LoginFilePath());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(raw.readAll()).contains(QStringLiteral("hatırla=1")));
    } else {
        QCOMPARE(seams.dialogTexts(), QStringList{"Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"});
        QCOMPARE(seams.dialogs.first().kind, int(mtWarning));
        QVERIFY(a->dialog->Button1->isEnabled()); // ready for another attempt
        QCOMPARE(a->dialog->Button1->text(), QStringLiteral("Giriş!"));
    }
}

void TstLogin::unknownWorkstationShowsRequestForm()
{
    FakeSeams seams;
    setWorkstation(QStringLiteral("WS-NOBODY"));
    auto a = attempt(*m_server, QStringLiteral("DEMO"), QStringLiteral("1234"));
    QCOMPARE(a->steps, QStringList{"request"});
    QCOMPARE(seams.exits, QList<int>{0});
    QVERIFY(!QFile::exists(LoginFilePath()));
}

void TstLogin::outdatedClientSeesUpdateFirst()
{
    FakeSeams seams;
    TestServer newer({QStringLiteral("--expected-version"), QStringLiteral("9"), QStringLiteral("--items"), QStringLiteral("50")});
    QVERIFY(newer.start());
    setWorkstation(QStringLiteral("WS-NOBODY")); // unknown too: the update still comes first
    auto a = attempt(newer, QStringLiteral("DEMO"), QStringLiteral("1234"));
    QCOMPARE(a->steps, QStringList({"update 9", "request"}));
}

void TstLogin::serverDown()
{
    FakeSeams seams;
    TestServer gone;
    QVERIFY(gone.start());
    const quint16 port = gone.port();
    gone.kill();
    m_connection.Params["Port"] = QString::number(port);
    Tgirisform d(nullptr, &m_connection, &m_session);
    d.adi->setText(QStringLiteral("DEMO"));
    d.sifre->setText(QStringLiteral("1234"));
    d.Button1Click();
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(seams.plain.size(), 11); // each attempt's own text
    QCOMPARE(seams.dialogTexts(), QStringList{"Bağlantı Kurulamadı !"});
    QCOMPARE(seams.dialogs.first().kind, int(mtError));
    QVERIFY(d.Button1->isEnabled());
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void TstLogin::oneAttemptAtATime()
{
    FakeSeams seams;
    m_connection.Params["Port"] = QString::number(m_server->port());
    Tgirisform d(nullptr, &m_connection, &m_session);
    d.adi->setText(QStringLiteral("DEMO"));
    d.sifre->setText(QStringLiteral("9999"));
    d.Button1Click();
    QCOMPARE(d.Button1->text(), QStringLiteral("Bağlanıyor..."));
    d.Button1Click(); // ignored while the first runs
    QVERIFY(waitForBackgroundTasks());
    QCOMPARE(seams.dialogs.size(), 1);
}

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
