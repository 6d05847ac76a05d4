#include "baskettab.h"

#include "async.h"
#include "baskettotals.h"
#include "busyindicator.h"
#include "callframe.h"
#include "datagrid.h"
#include "mainwindow.h"
#include "messages.h"
#include "numfmt.h"
#include "siparisgonder.h"
#include "statusicons.h"
#include "stocklists.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using S = Show;
using K = Kind;

const GridColumn kBasketColumns[] = {
    {"SEC", "Seç", 1, S::Always, K::Check},
    {"VERILISTARIHI", "Sipariş Tarihi", 1, S::Yes},
    {"SIRANO", {}, 0, S::Never},
    {"SIPARISNO", "Sipariş No", 0, S::Available},
    {"CARINO", {}, 0, S::Never},
    {"TARIH", "Tarih", 1, S::Available},
    {"AKTAR", {}, 0, S::Never},
    {"STOKNO", {}, 0, S::Never},
    {"BARKOD", "Barkod", 2, S::Yes},
    {"FINISHKOD", "FinishKod", 2, S::Yes},
    {"OEMNO", "OEMNo", 2, S::Yes},
    {"STOKADI", "Stok Açıklama", 3, S::Yes},
    {"MIKTAR", "Miktar", 1, S::Yes},
    {"BIRIMFIYAT", "Birim Fiyat", 1, S::Yes},
    {"TUTAR", "Tutar", 1, S::Yes},
    {"INDIRIMYAZI", "İndirim Oran", 2, S::Yes, K::Text, nullptr, Qt::AlignCenter},
    {"INDIRIMORANI1", "İndirim Oranı %", 1, S::Never},
    {"INDIRIMORANI2", {}, 1, S::Never},
    {"INDIRIMORANI3", {}, 1, S::Never},
    {"INDIRIMTUTAR", "İndirim Tutar", 1, S::Never},
    {"NETBIRIMFIYAT", "Net Fiyat", 1, S::Yes},
    {"KDV", {}, 1, S::Yes},
    {"VERGITUTARI", "Vergi Tutarı", 1, S::Yes},
    {"NETTUTAR", "Net Tutar", 1, S::Yes},
    {"KUR", "Kur", 1, S::Available},
    {"KURTL", {}, 1, S::Never},
    {"VERENIDNO", {}, 1, S::Never},
    {"SAAT", "Saat", 1, S::Available},
    {"TESLIMID", {}, 1, S::Never},
    {"KARGOID", {}, 1, S::Never},
    {"ACIKLAMA", "Açıklama", 1, S::Available},
    {"IDNO", {}, 1, S::Never},
    {"VERENSIRANO", {}, 1, S::Never},
    {"VEREN", "Veren", 1, S::Yes},
    {"CARIKOD", "Cari Kod", 1, S::Never},
    {"CARIADI", "Cari Adı", 1, S::Never},
    {"OEM1", {}, 1, S::Available},
    {"OEM2", {}, 1, S::Available},
    {"OEM3", {}, 1, S::Available},
    {"OEM4", {}, 1, S::Available},
    {"STOK_STOKNO", {}, 1, S::Never},
    {"URETICIKODU", {}, 1, S::Never},
    {"DIGERADI", {}, 1, S::Available},
    {"DPKOD", {}, 1, S::Available},
    {"MARKA", "Marka", 1, S::Available},
    {"MODEL", "Model", 1, S::Available},
    {"ANAGRUP", "Ana Grup", 1, S::Available},
    {"OZELKOD", "Özel Kod", 1, S::Available},
    {"PKOD", {}, 1, S::Available},
    {"DURUM", "Durum", 1, S::Yes, K::Icon, &StatusIcons::availability},
    {"KALAN", "Kalan", 1, S::Never},
    {"INDIRIMORANI4", {}, 0, S::Never},
};

const QString kTitle = QStringLiteral("Sepet");

QLabel *amountLabel(bool bold = false)
{
    auto *l = new QLabel(formatFloat(moneyFormat(), 0));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(120);
    if (bold)
        l->setStyleSheet(QStringLiteral("font-weight:bold;"));
    return l;
}

// Fetches the basket packet of a customer on the given connection.
bool fetchBasket(DSConnection &connection, int carino, TableData *out)
{
    return CallServer(connection, 1, [&](TServerMethods1Client &proxy) {
        *out = std::move(*proxy.SepetVer2(carino));
    });
}

} // namespace

BasketTab::BasketTab(TForm1 &f)
    : QObject(&f), form(f)
{
    cxGrid2 = new DataGrid(kBasketColumns);
    cxGrid2->setObjectName("cxGrid2");
    cxGrid2->setDataSet(&form.sepet);
    cxGrid2->setRowHeight(40);
    cxGrid2->setFooterCount(QStringLiteral("STOKADI"));
    cxGrid2->setFooterSum(QStringLiteral("MIKTAR"));
    cxGrid2->setFooterSum(QStringLiteral("NETTUTAR"));

    PopupMenu1 = new QMenu(cxGrid2);
    Deitir1 = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"));
    PopupMenu1->addSeparator();
    SatrSil1 = PopupMenu1->addAction(QStringLiteral("Satır Sil"));
    PopupMenu1->addSeparator();
    HepsiniSil1 = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"));
    cxGrid2->setPopupMenu(PopupMenu1);

    Button4 = new QPushButton(QStringLiteral("Hepsini Seç"));
    Button5 = new QPushButton(QStringLiteral("Seçimleri Kaldır"));
    lbluyarbakiye = new QLabel;
    lbluyarbakiye->setObjectName("lbluyarbakiye");
    lbluyarbakiye->setStyleSheet(QStringLiteral("color:#c0392b; font-weight:bold;"));
    lbluyarbakiye->setWordWrap(true);
    auto *panelsec = new QHBoxLayout;
    panelsec->addWidget(Button4);
    panelsec->addWidget(Button5);
    panelsec->addSpacing(12);
    panelsec->addWidget(lbluyarbakiye, 1);

    auto *totals = new QGroupBox(QStringLiteral("Mesaj"));
    auto *grid = new QGridLayout(totals);
    aratoplaml = amountLabel();
    indiriml = amountLabel();
    nettutarl = amountLabel();
    vergil = amountLabel();
    geneltoplaml = amountLabel(true);
    const struct { const char *text; QLabel *value; bool bold; } rows[] = {
        {"Toplam:", aratoplaml, false}, {"İndirim Toplam:", indiriml, false}, {"Ara Toplam:", nettutarl, false},
        {"Vergi:", vergil, false}, {"Genel Toplam:", geneltoplaml, true},
    };
    int r = 0;
    for (const auto &row : rows) {
        auto *caption = new QLabel(QString::fromUtf8(row.text));
        if (row.bold)
            caption->setStyleSheet(QStringLiteral("font-weight:bold;"));
        grid->addWidget(caption, r, 0);
        grid->addWidget(row.value, r, 1);
        ++r;
    }
    Button1 = new QPushButton(QStringLiteral("Gönder"));
    Button1->setMinimumSize(140, 56);
    QFont bf = Button1->font();
    bf.setPointSize(bf.pointSize() + 3);
    bf.setBold(true);
    Button1->setFont(bf);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(panelsec, 1);
    bottom->addWidget(totals);
    bottom->addWidget(Button1, 0, Qt::AlignBottom);

    QVBoxLayout *page = form.tabLayout(form.ssepet);
    page->addWidget(cxGrid2, 1);
    page->addLayout(bottom);

    connect(Button4, &QPushButton::clicked, this, [this] { guarded([this] { Button4Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { guarded([this] { Button5Click(); }); });
    connect(Deitir1, &QAction::triggered, this, [this] { guarded([this] { Deitir1Click(); }); });
    connect(cxGrid2, &DataGrid::doubleClicked, this, [this] { guarded([this] { Deitir1Click(); }); });
    connect(SatrSil1, &QAction::triggered, this, [this] { guarded([this] { SatrSil1Click(); }); });
    connect(HepsiniSil1, &QAction::triggered, this, [this] { guarded([this] { HepsiniSil1Click(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(cxGrid2, &DataGrid::resized, this, [this] {
        if (cxGrid2->isEnabled())
            StockLists::GridDuzenle(cxGrid2);
    });

    form.SepetGetir = [this] { SepetGetir(); };
    form.SepetGorunumYenile = [this] { SepetGorunumYenile(); };
    form.onTabShown(form.ssepet, [this] { ssepetShow(); });
    form.onRoleShaping([this](int t) { shapeFor(t); });
}

void BasketTab::ssepetShow()
{
    if (!m_load.begin())
        return; // the running load reloads once more when it ends
    lbluyarbakiye->clear();
    form.gifsepet->start();
    cxGrid2->setEnabled(false);
    cxGrid2->detach();
    cxGrid2->beginUpdate();

    CariBakiyeUyariBak(form.bagc, form.sbilgi, [this](const QString &text) { lbluyarbakiye->setText(text); });

    struct Outcome { bool loaded = false; TableData rows; };
    auto out = std::make_shared<Outcome>();
    const int carino = form.sbilgi.snapshot().CARINO();
    const int generation = m_generation;
    std::shared_ptr<DSConnection> clone = form.bagc.CloneConnection();
    RunAsync([out, clone, carino] {
        // The worker only fetches; the UI half puts the rows into `sepet`.
        out->loaded = fetchBasket(*clone, carino, &out->rows);
    })->Await([this, out, generation] {
        // A basket loaded on the UI thread meanwhile is newer than these rows.
        if (out->loaded && generation == m_generation) {
            form.sepet.loadFromPacket(std::move(out->rows));
            FormatFloatFields(form.sepet);
        }
        setCaption();
        SepetToplamHesapla();
        cxGrid2->setEnabled(true);
        cxGrid2->attach();
        cxGrid2->endUpdate();
        form.gifsepet->stop();
        StockLists::GridDuzenle(cxGrid2);
        if (m_load.finish())
            ssepetShow();
    });
}

void BasketTab::SepetGetir()
{
    TableData rows;
    const auto clone = form.bagc.CloneConnection();
    if (!fetchBasket(*clone, form.sbilgi.snapshot().CARINO(), &rows))
        return;
    ++m_generation;
    form.sepet.loadFromPacket(std::move(rows));
    FormatFloatFields(form.sepet);
}

void BasketTab::setCaption()
{
    form.setTabCaption(form.ssepet, TForm1::tabCaption(kTitle, form.sepet.RecordCount()));
}

void BasketTab::SepetGorunumYenile()
{
    SepetGetir();
    setCaption();
    SepetToplamHesapla();
}

void BasketTab::SepetToplamHesapla()
{
    const BasketTotals t = basketTotals(form.sepet);
    aratoplaml->setText(formatFloat(moneyFormat(), t.toplam));
    indiriml->setText(formatFloat(moneyFormat(), t.indirim));
    vergil->setText(formatFloat(moneyFormat(), t.vergi));
    nettutarl->setText(formatFloat(moneyFormat(), t.ara));
    geneltoplaml->setText(formatFloat(moneyFormat(), t.genel));
}

void BasketTab::SecimGuncelle(int sirano, int secim)
{
    try {
        CallServerOnClone(form.bagc, 1, [&](TServerMethods1Client &proxy) { proxy.SepetSecimGuncelle(sirano, secim); });
    } catch (...) {
        // Fire and forget: the next load shows the server's flags.
    }
}

void BasketTab::setAll(int secim)
{
    if (!HasRows(form.sepet))
        return;
    const TField sec = form.sepet.FieldByName(QStringLiteral("SEC"));
    const TField sirano = form.sepet.FieldByName(QStringLiteral("SIRANO"));
    for (form.sepet.First(); !form.sepet.Eof(); form.sepet.Next()) {
        form.sepet.Edit();
        sec.setAsInteger(secim);
        form.sepet.Post();
        SecimGuncelle(sirano.AsInteger(), secim); // one call per line, each on a fresh connection
    }
    SepetToplamHesapla();
    if (form.araedit->isEnabled()) {
        form.araedit->selectAll();
        form.araedit->setFocus();
    }
}

void BasketTab::Deitir1Click()
{
    if (!cxGrid2->hasFocusedRow())
        return;
    const int sirano = cxGrid2->focusedValue(QStringLiteral("SIRANO")).toInt();
    form.sepet.Locate(QStringLiteral("SIRANO"), sirano);
    if (cxGrid2->focusedColumnCaption() == QStringLiteral("Seç")) {
        const int value = form.sepet.FieldByName(QStringLiteral("SEC")).AsInteger() == 0 ? 1 : 0;
        form.sepet.Edit();
        form.sepet.FieldByName(QStringLiteral("SEC")).setAsInteger(value);
        form.sepet.Post();
        SecimGuncelle(sirano, value);
        SepetToplamHesapla();
        return;
    }
    if (form.SepetSatirDegistir)
        form.SepetSatirDegistir(sirano);
}

void BasketTab::SatrSil1Click()
{
    if (!cxGrid2->hasFocusedRow())
        return;
    const int sirano = cxGrid2->focusedValue(QStringLiteral("SIRANO")).toInt();
    form.sepet.Locate(QStringLiteral("SIRANO"), sirano);
    if (!AskYesNo(QStringLiteral("Satırı silmek istiyor musunuz "), mbNo))
        return;
    const QString aciklama = form.sepet.FieldByName(QStringLiteral("BARKOD")).DisplayText() + u'-'
        + form.sepet.FieldByName(QStringLiteral("STOKADI")).DisplayText();
    if (!CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) { proxy.SepetSatirSil(form.sbilgi.copy(), sirano, aciklama); }))
        return;
    SepetGorunumYenile();
    ShowInfo(QStringLiteral("Satır silindi !"));
}

void BasketTab::HepsiniSil1Click()
{
    if (!HasRows(form.sepet))
        return;
    if (!AskYesNo(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), mbNo))
        return;
    if (!CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) { proxy.SepetHepsiniSil(form.sbilgi.copy()); }))
        return;
    ShowInfo(QStringLiteral("Sepet Silindi !"));
    SepetGorunumYenile();
}

void BasketTab::Button1Click()
{
    GonderClick(form, lbluyarbakiye->text(), geneltoplaml->text());
}

void BasketTab::shapeFor(int musteriTipi)
{
    if (musteriTipi == 1 || musteriTipi == 2) {
        cxGrid2->setColumnVisible(QStringLiteral("KALAN"), true);
        cxGrid2->setColumnOffered(QStringLiteral("KALAN"), true);
    } else if (musteriTipi == 3) {
        cxGrid2->setColumnVisible(QStringLiteral("DURUM"), false);
        cxGrid2->setColumnOffered(QStringLiteral("DURUM"), false);
    }
}
