#include "mainwindow.h"

#include "artwork.h"
#include "async.h"
#include "busyindicator.h"
#include "deployment.h"
#include "girisform.h"
#include "identity.h"
#include "messages.h"
#include "statusicons.h"
#include "theme.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Zerda Otomotiv B2B Programı"));
    setWindowIcon(zerdaIcon());
    auto *central = new QWidget;
    auto *root = new QVBoxLayout(central);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(4);
    buildHeader(root);
    buildSearchBar(root);
    buildLegend(root);
    buildTabs(root);
    buildBottom(root);
    setCentralWidget(central);
    loginDialog = [this] { return showLoginDialog(); };
    setMessageParent(this);
}

TForm1::~TForm1()
{
    // The grids detach from the datasets when they go; let them go while the
    // datasets still exist.
    delete takeCentralWidget();
}

void TForm1::buildHeader(QVBoxLayout *root)
{
    auto *Panel1 = new QWidget;
    Panel1->setObjectName("Panel1");
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:1 #e9eef5); border:1px solid #c9d3e0; border-radius:4px; }"));
    auto *row = new QHBoxLayout(Panel1);
    auto *logo = new QLabel;
    logo->setPixmap(zerdaLogo(QSize(220, 64)));
    row->addWidget(logo);

    auto *GridPanel1 = new QGridLayout;
    kullanicilbl = valueLabel();
    cariadilbl = valueLabel();
    saticilbl = valueLabel();
    GridPanel1->addWidget(captionLabel(QStringLiteral("Kullanıcı: ")), 0, 0);
    GridPanel1->addWidget(kullanicilbl, 0, 1);
    GridPanel1->addWidget(captionLabel(QStringLiteral("Firma: ")), 1, 0);
    GridPanel1->addWidget(cariadilbl, 1, 1);
    GridPanel1->addWidget(captionLabel(QStringLiteral("Temsilci: ")), 2, 0);
    GridPanel1->addWidget(saticilbl, 2, 1);
    GridPanel1->setColumnStretch(1, 1);
    row->addLayout(GridPanel1, 1);

    GifResim1 = new QLabel; // the top banner's place
    GifResim1->setObjectName("GifResim1");
    GifResim1->setMinimumHeight(64);
    GifResim1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // the labels come first
    row->addWidget(GifResim1);

    Genelmenu = new QMenu(this);
    M1 = Genelmenu->addAction(QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    N4 = Genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    WebSiteItem = Genelmenu->addAction(QString());
    Genelmenu->addSeparator();
    G1 = Genelmenu->addAction(QStringLiteral("Çıkış"));
    Genelmenu->addSeparator();
    R1 = Genelmenu->addAction(QStringLiteral("Raporlar"));
    R1->setVisible(false);
    connect(G1, &QAction::triggered, this, [this] { G1Click(); });
    connect(WebSiteItem, &QAction::triggered, this, [this] {
        Seams::instance().shellOpen(Deployment::current().webSiteBase, {});
        araedit->selectAll();
        araedit->setFocus();
    });

    Button3 = new QToolButton;
    Button3->setText(QStringLiteral("Menü"));
    Button3->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    Button3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Button3->setPopupMode(QToolButton::MenuButtonPopup);
    Button3->setMenu(Genelmenu);
    Button3->setMinimumHeight(36);
    connect(Button3, &QToolButton::clicked, Button3, &QToolButton::showMenu);
    row->addWidget(Button3, 0, Qt::AlignTop);
    root->addWidget(Panel1);
}

void TForm1::buildSearchBar(QVBoxLayout *root)
{
    auto *Panel2 = new QHBoxLayout;
    SpeedButton1 = new QToolButton;
    SpeedButton1->setToolTip(QStringLiteral("Temizle"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    SpeedButton2 = new QToolButton;
    SpeedButton2->setToolTip(QStringLiteral("Ara"));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    for (QToolButton *b : {SpeedButton1, SpeedButton2})
        b->setIconSize(QSize(22, 22));
    araedit = new QLineEdit;
    araedit->setObjectName("araedit");
    araedit->setPlaceholderText(QStringLiteral("Barkod, açıklama, OEM no veya kod ile arayın (en az 3 harf) ve Enter'a basın"));
    QFont f = araedit->font();
    f.setPointSize(f.pointSize() + 3);
    araedit->setFont(f);
    araedit->setMinimumHeight(32);
    Panel2->addWidget(SpeedButton1);
    Panel2->addWidget(SpeedButton2);
    Panel2->addWidget(araedit, 1);
    gifstokara = new BusyIndicator;
    gifyeniler = new BusyIndicator;
    gifkampanyali = new BusyIndicator;
    gifduyuru = new BusyIndicator;
    gifekstre = new BusyIndicator;
    gifoncekiler = new BusyIndicator;
    gifsepet = new BusyIndicator;
    for (BusyIndicator *b : {gifstokara, gifyeniler, gifkampanyali, gifduyuru, gifekstre, gifoncekiler, gifsepet})
        Panel2->addWidget(b);
    musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"));
    musteritus->setVisible(false);
    Panel2->addWidget(musteritus);
    root->addLayout(Panel2);
}

void TForm1::buildLegend(QVBoxLayout *root)
{
    auto *Panel3 = new QHBoxLayout;
    Panel3->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    ")));
    // Same icons as the grids' availability column.
    const struct { int code; const char *text; } items[] = {
        {1, " Stok mevcut  "}, {2, " Telefon Açınız  "}, {3, " Yolda  "},
        {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "}, {0, " Yok  "},
    };
    for (const auto &it : items) {
        auto *icon = new QLabel;
        icon->setPixmap(StatusIcons::availability().icon(it.code).pixmap(18, 18));
        Panel3->addWidget(icon);
        Panel3->addWidget(new QLabel(QString::fromUtf8(it.text)));
    }
    Panel3->addStretch();
    root->addLayout(Panel3);
}

QWidget *TForm1::addTab(const QString &objectName, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(objectName);
    auto *l = new QVBoxLayout(page);
    l->setContentsMargins(2, 2, 2, 2);
    sPageControl1->addTab(page, caption);
    return page;
}

void TForm1::buildTabs(QVBoxLayout *root)
{
    sPageControl1 = new QTabWidget;
    sPageControl1->setDocumentMode(false);
    sstoklistesi = addTab("sstoklistesi", QStringLiteral("Stok Listesi"));
    ssepet = addTab("ssepet", QStringLiteral("Sepet"));
    sonceki = addTab("sonceki", QStringLiteral("Önceki Siparişler"));
    sccariekstre = addTab("sccariekstre", QStringLiteral("Cari Ekstre"));
    syeniler = addTab("syeniler", QStringLiteral("Yeni Stoklar"));
    skampanyali = addTab("skampanyali", QStringLiteral("Kampanyalı Stoklar"));
    sTabSheetduyuru = addTab("sTabSheetduyuru", QStringLiteral("Duyurular"));
    sTabbakiyeler = addTab("sTabbakiyeler", QStringLiteral("Bakiyeler"));
    ss = addTab("ss", QStringLiteral("Sanal Pos"));
    tabiletisim = addTab("tabiletisim", QStringLiteral("İletişim"));
    sPageControl1->setCurrentIndex(0);
    connect(sPageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        const auto it = m_showHandlers.constFind(sPageControl1->widget(index));
        if (it != m_showHandlers.constEnd())
            guarded(*it);
    });
    root->addWidget(sPageControl1, 1);
}

void TForm1::buildBottom(QVBoxLayout *root)
{
    auto *Panel5 = new QVBoxLayout;
    Panel5->setSpacing(0);
    kayanyazi = new QLabel;
    kayanyazi->setObjectName("kayanyazi");
    RealTimeMarquee1 = new QLabel;
    RealTimeMarquee1->setObjectName("RealTimeMarquee1");
    for (QLabel *l : {kayanyazi, RealTimeMarquee1}) {
        l->setMinimumHeight(20);
        l->setStyleSheet(QStringLiteral("background:#1d2b4a; color:#ffd866; padding:2px 8px;"));
        Panel5->addWidget(l);
    }
    root->addLayout(Panel5);
}

QString TForm1::tabCaption(const QString &title, int count)
{
    return count < 0 ? title : QString::number(count) + u'=' + title;
}

void TForm1::setTabCaption(QWidget *tab, const QString &caption)
{
    sPageControl1->setTabText(sPageControl1->indexOf(tab), caption);
}

QString TForm1::tabText(QWidget *tab) const
{
    return sPageControl1->tabText(sPageControl1->indexOf(tab));
}

bool TForm1::isTabShown(QWidget *tab) const
{
    return sPageControl1->isTabVisible(sPageControl1->indexOf(tab));
}

void TForm1::activateTab(QWidget *tab)
{
    sPageControl1->setCurrentWidget(tab);
}

QVBoxLayout *TForm1::tabLayout(QWidget *tab) const
{
    return static_cast<QVBoxLayout *>(tab->layout());
}

void TForm1::onTabShown(QWidget *tab, std::function<void()> handler)
{
    m_showHandlers.insert(tab, std::move(handler));
}

void TForm1::onRoleShaping(std::function<void(int)> shaper)
{
    m_roleShapers.push_back(std::move(shaper));
}

void TForm1::addStartupLoader(std::function<void()> loader)
{
    m_startupLoaders.push_back(std::move(loader));
}

void TForm1::FormCreate()
{
    _acilisadet = 0;
    _acilisgoruldu = false;
    QApplication::setApplicationName(QStringLiteral("Zerda Otomotiv B2B"));
    setWindowTitle(QStringLiteral("Zerda Otomotiv B2B Programı"));
    const QString computer = GetLocalComputerName(), user = GetLocalUserName(), ip = GetLocalIp(), id = GetWorkstationId();
    sbilgi.update([&](TSonucBilgisi &s) {
        s.setBilgiSayarAdi(computer);
        s.setBilgisayarKullanici(user);
        s.setIcip(ip);
        s.setBILGISAYARID(id);
    });
    const Deployment &d = Deployment::current();
    bagc.Params["HostName"] = d.serverHost;
    bagc.Params["Port"] = QString::number(d.serverPort);
    WebSiteItem->setText(d.webSiteAddress());
    RunLogin();
}

bool TForm1::showLoginDialog()
{
    Tgirisform dialog(this, &bagc, &sbilgi);
    return Seams::instance().execDialog(&dialog) == QDialog::Accepted;
}

void TForm1::RunLogin()
{
    if (!loginDialog()) {
        terminateProcess(0);
        return;
    }
    ShapeForCustomerType(sbilgi.snapshot().MusteriTipi());
    StartStartupLoad();
}

void TForm1::ShapeForCustomerType(int musteriTipi)
{
    const bool representative = musteriTipi == 1 || musteriTipi == 2;
    if (representative) {
        musteritus->setVisible(true);
        R1->setVisible(true);
    } else if (musteriTipi == 3) {
        R1->setVisible(false);
    } else if (musteriTipi == 4) {
        sPageControl1->setTabVisible(sPageControl1->indexOf(skampanyali), false);
        R1->setVisible(false);
    }
    for (const auto &shaper : m_roleShapers)
        shaper(musteriTipi);
}

void TForm1::AnaBilgiAl()
{
    const TSonucBilgisi s = sbilgi.snapshot();
    kullanicilbl->setText(s.ADI());
    cariadilbl->setText(s.CariAdi());
    saticilbl->setText(s.SaticiAdi() + QStringLiteral(" Telefonu: ") + s.SaticiTelefon() + QStringLiteral(" email: ") + s.SaticiMail());
}

void TForm1::StartStartupLoad()
{
    const auto loaders = m_startupLoaders;
    RunAsync([this, loaders] {
        Synchronize([this] { AnaBilgiAl(); });
        for (const auto &load : loaders)
            load();
    })->Await([this] {
        if (_acilisgoruldu || _acilisadet == 0)
            return;
        if (offerOpeningScreens)
            offerOpeningScreens();
    });
}

void TForm1::G1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (AskYesNo(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mbYes))
        terminateProcess(0);
}
