#include "girisform.h"

#include "artwork.h"
#include "async.h"
#include "busyindicator.h"
#include "callframe.h"
#include "deployment.h"
#include "identity.h"
#include "messages.h"
#include "session.h"
#include "utils.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const char *const kWrongLogin = "Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !";

// Input is forced to upper case as it is typed (Turkish rules: i -> İ).
void forceUpperCase(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString upper = QLocale(QLocale::Turkish).toUpper(text);
        if (upper != text) {
            const int pos = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(pos);
        }
    });
}
}

Tgirisform::Tgirisform(QWidget *owner, DSConnection *bagim_, Session *Bilgim_)
    : QDialog(owner), bagim(bagim_), Bilgim(Bilgim_)
{
    // A tool window of its own (it is shown before the main window exists).
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Zerda Otomotiv B2B Giriş"));
    setWindowIcon(zerdaIcon());

    auto *logo = new QLabel;
    logo->setPixmap(zerdaLogo(QSize(260, 80)));
    logo->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(QStringLiteral(" Kullanıcı Adı:"));
    Label2 = new QLabel(QStringLiteral(" Şifre:"));
    adi = new QLineEdit;
    adi->setObjectName("adi");
    sifre = new QLineEdit;
    sifre->setObjectName("sifre");
    sifre->setEchoMode(QLineEdit::Password);
    forceUpperCase(adi);
    forceUpperCase(sifre);
    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"));
    benihatirla->setChecked(true);
    Button1 = new QPushButton(QStringLiteral("Giriş"));
    Button2 = new QPushButton(QStringLiteral("Vazgeç"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    RxGIFAnimator1 = new BusyIndicator;

    auto *form = new QFormLayout;
    form->addRow(Label1, adi);
    form->addRow(Label2, sifre);
    form->addRow(QString(), benihatirla);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(RxGIFAnimator1);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *contact = new QLabel(QStringLiteral(
        "<b>Zerda Otomotiv Yedek Parça San. ve Tic. A.Ş.</b><br>"
        "Merkez: İkitelli OSB Mah. Yedek Parçacılar Sitesi No: 12, Başakşehir / İstanbul<br>"
        "Telefon: 0212 555 12 34 &nbsp;·&nbsp; Faks: 0212 555 12 35<br>"
        "E-posta: b2b@zerdaoto.com.tr"));
    contact->setWordWrap(true);
    contact->setStyleSheet(QStringLiteral("color:#4a5568; font-size:9pt;"));
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *root = new QVBoxLayout(this);
    root->addWidget(logo);
    root->addLayout(form);
    root->addLayout(buttons);
    root->addWidget(line);
    root->addWidget(contact);
    setFixedWidth(420);
    setFixedHeight(sizeHint().height());

    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    OfferUpdate = [this](int version) { DefaultOfferUpdate(this, bagim, version); };
    ShowRequestForm = [this] { DefaultShowRequestForm(this); };
    ChooseCustomer = [] {}; // the representative's customer choice comes with its own window

    FormCreate();
    adi->setFocus();
}

void Tgirisform::FormCreate()
{
    idsi = GetWorkstationId();
    LoadLogin();
}

void Tgirisform::LoadLogin()
{
    RememberedLogin login;
    if (!ReadRememberedLogin(&login))
        return;
    benihatirla->setChecked(login.hatirla);
    if (benihatirla->isChecked()) {
        adi->setText(login.isim);
        sifre->setText(login.sifre);
    }
}

void Tgirisform::SaveLogin()
{
    WriteRememberedLogin(RememberedLogin{adi->text(), sifre->text(), benihatirla->isChecked()});
}

bool Tgirisform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == adi && adiKeyDown(key))
            return true;
        if (watched == sifre && sifreKeyDown(key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool Tgirisform::adiKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (adi->text().trimmed().isEmpty()) {
        Seams::instance().beep();
        ShowWarning(QStringLiteral("Lütfen kullanıcı adını giriniz !"));
        adi->selectAll();
        adi->setFocus();
    } else {
        sifre->setFocus();
        sifre->selectAll();
    }
    return true;
}

bool Tgirisform::sifreKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (sifre->text().trimmed().isEmpty()) {
        Seams::instance().beep();
        ShowWarning(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
        sifre->selectAll();
        sifre->setFocus();
    } else {
        guarded([this] { Button1Click(); });
    }
    return true;
}

void Tgirisform::showEvent(QShowEvent *event)
{
    // Centred on the screen: the main window is not shown yet.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool Tgirisform::attemptRunning() const
{
    return !Button1->isEnabled();
}

QString Tgirisform::GetExternalIp()
{
    // No outside service is asked.
    return QStringLiteral("127.0.0.1");
}

void Tgirisform::Button1Click()
{
    if (!Button1->isEnabled())
        return; // one attempt at a time
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    RxGIFAnimator1->start();
    auto address = std::make_shared<QString>();
    RunAsync([address] { *address = GetExternalIp(); })->Await([this, address] {
        Button1->setText(QStringLiteral("Giriş!"));
        RxGIFAnimator1->stop();
        Devamet(*address);
    });
}

void Tgirisform::Devamet(const QString &address)
{
    Bilgim->update([&](TSonucBilgisi &s) { s.setDisip(address); });
    bagim->Params["HostName"] = Deployment::current().serverHost;
    // The clone is made here so the worker never reads the shared connection.
    std::shared_ptr<DSConnection> clone = bagim->CloneConnection();
    auto success = std::make_shared<bool>(false);
    RunAsync([this, clone, success] { *success = FetchAccount(*clone); })->Await([this, success] {
        evaluate(*success);
    });
}

bool Tgirisform::FetchAccount(DSConnection &clone)
{
    if (!OpenConnection(clone, 0))
        return false;
    try {
        TServerMethods1Client proxy(&clone);
        const TSonucBilgisi *account = proxy.BuyukGetir(idsi);
        if (!account) {
            clone.Close();
            return false;
        }
        Bilgim->Kopyala(*account);
    } catch (...) {
        clone.Close();
        return false;
    }
    clone.Close();
    // The server's copy overwrote the local workstation values.
    const QString computer = GetLocalComputerName(), user = GetLocalUserName(), ip = GetLocalIp(),
                  id = GetWorkstationId(), external = GetExternalIp();
    Bilgim->update([&](TSonucBilgisi &s) {
        s.setBilgiSayarAdi(computer);
        s.setBilgisayarKullanici(user);
        s.setIcip(ip);
        s.setBILGISAYARID(id);
        s.setDisip(external);
    });
    return true;
}

void Tgirisform::evaluate(bool success)
{
    RxGIFAnimator1->stop();
    if (!success) {
        failure(QStringLiteral("Bağlantı Kurulamadı !"), mtError);
        return;
    }
    const TSonucBilgisi account = Bilgim->snapshot();
    if (account.Version() != kClientVersion) {
        OfferUpdate(account.Version());
        // Only a window closed without ending the process gets here.
    }
    if (!account.Varmi()) {
        ShowRequestForm();
        terminateProcess(0);
        return;
    }
    if (account.ADI() == adi->text() && account.SIFRE() == sifre->text()) {
        SaveLogin();
        if (account.AKTIF() == 1) {
            if (account.MusteriTipi() == 1 || account.MusteriTipi() == 2)
                ChooseCustomer();
            accept();
            return;
        }
    }
    failure(QString::fromUtf8(kWrongLogin), mtWarning);
}

void Tgirisform::failure(const QString &text, int kind)
{
    ShowMessageDialog(text, kind, mbOK, mbOK);
    Button1->setEnabled(true);
    adi->setFocus();
    adi->selectAll();
}

void Tgirisform::Button2Click()
{
    terminateProcess(0);
}
