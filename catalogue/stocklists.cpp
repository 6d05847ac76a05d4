#include "stocklists.h"

#include "async.h"
#include "busyindicator.h"
#include "callframe.h"
#include "datagrid.h"
#include "itementry.h"
#include "mainwindow.h"
#include "messages.h"
#include "pricecell.h"
#include "searchtext.h"
#include "statusicons.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using S = Show;
using K = Kind;
const ColumnFlags kDpKod{.name = {}, .headerCaptionHidden = false, .minWidth = 404, .fixedWidth = true, .movable = false, .filterable = false};
const ColumnFlags kNoCaption{.name = {}, .headerCaptionHidden = true};
const ColumnFlags kPriceCell{.name = QStringLiteral("FiyatBilgisi")};

const GridColumn kStockColumns[] = {
    {"DURUM", "Durum", 1, S::Yes, K::Icon, &StatusIcons::availability},
    {"OEM1", "Oem1", 2, S::Available},
    {"OEM2", "Oem2", 2, S::Available},
    {"OEM3", "Oem3", 2, S::Available},
    {"BARKOD", "Barkod", 2, S::Yes},
    {"DPKOD", {}, 2, S::Yes, K::Text, nullptr, {}, kDpKod},
    {"ADI", "Açıklama", 3, S::Yes},
    {"OEM4", "Oem4", 2, S::Available},
    {"STOK_STOKNO", {}, 1, S::Never},
    {"FINISHKOD", "Finish Kod", 2, S::Yes},
    {"URETICIKODU", "Üretici Kod", 2, S::Yes},
    {"RESIM", "Resim", 1, S::Yes, K::Icon, &StatusIcons::picture},
    {"BARKOD_BARKODNO", {}, 1, S::Never},
    {"DIGERADI", "Diğer Adı", 3, S::Available},
    {"OEMNO", "Oem No", 2, S::Available},
    {"BIRIM", "Birim", 1, S::Available},
    {"MARKA", "Marka", 2, S::Yes},
    {"MODEL", "Model", 2, S::Yes},
    {"ANAGRUP", "Ana Grup", 2, S::Available},
    {"OZELKOD", "Özel Kod", 2, S::Yes},
    {"KALAN", {}, 1, S::Never},
    {"PKOD", {}, 1, S::Never, K::Text, nullptr, {}, kNoCaption},
    {"KDV", {}, 1, S::Available},
    {"ALINANSIPARIS", {}, 1, S::Never},
    {"VERILENSIPARIS", {}, 1, S::Never},
    {"LISTEFIYAT1", "Liste Fiyatı", 2, S::Yes},
    {"KAMPFIYAT", "Kampanyalı Fiyat", 2, S::Yes},
    {"FIYAT", "Liste Fiyatı", 2, S::Available},
    {"Y", "Yeni", 1, S::Yes, K::Icon, &StatusIcons::newItem},
    {"K", "Kampanyalı", 1, S::Yes, K::Icon, &StatusIcons::campaign},
    {"INDIRIMYAZI", "İndirim Oran", 2, S::Yes, K::Text, nullptr, Qt::AlignCenter},
    {"NETFIYAT", "Net Fiyatı", 2, S::Yes},
    {"KDVDAHIL", "KDV Dahil Fiyat", 3, S::Yes},
    {{}, "Fiyat Bilgisi", 2, S::Yes, K::Custom, nullptr, {}, kPriceCell},
};

const GridColumn kNewItemColumns[] = {
    {"OEM1", "Oem1", 2, S::Available},
    {"OEM2", "Oem2", 2, S::Available},
    {"OEM3", "Oem3", 2, S::Available},
    {"BARKOD", "Barkod", 2, S::Yes},
    {"ADI", "Açıklama", 3, S::Yes},
    {"OEM4", "Oem4", 2, S::Available},
    {"STOK_STOKNO", {}, 1, S::Never},
    {"FINISHKOD", "Finish Kod", 2, S::Yes},
    {"URETICIKODU", "Üretici Kod", 2, S::Available},
    {"BARKOD_BARKODNO", {}, 1, S::Never},
    {"DIGERADI", "Diğer Adı", 3, S::Available},
    {"DPKOD", {}, 2, S::Never},
    {"OEMNO", "Oem No", 2, S::Available},
    {"BIRIM", "Birim", 1, S::Yes},
    {"MARKA", "Marka", 2, S::Yes},
    {"MODEL", "Model", 2, S::Yes},
    {"ANAGRUP", "Ana Grup", 2, S::Available},
    {"OZELKOD", "Özel Kod", 2, S::Available},
    {"KALAN", {}, 1, S::Never},
    {"PKOD", {}, 1, S::Never},
    {"KDV", {}, 1, S::Available},
    {"ALINANSIPARIS", {}, 1, S::Never},
    {"VERILENSIPARIS", {}, 1, S::Never},
    {"FIYAT", "Liste Fiyatı2", 2, S::Available},
    {"K", "Kampanyalı", 1, S::Yes, K::Icon, &StatusIcons::campaign},
    {"LISTEFIYAT1", "Liste Fiyatı", 2, S::Yes},
    {"KAMPFIYAT", "Kampanyalı Fiyatı", 2, S::Yes},
    {"INDIRIMYAZI", "Indirim Oran", 2, S::Yes, K::Text, nullptr, Qt::AlignCenter},
    {"INDIRIM", "İndirim Oran", 1, S::Never},
    {"NETFIYAT", "Net Fiyatı", 2, S::Yes},
    {"KDVDAHIL", "KDV Dahil Fiyat", 2, S::Yes},
};

const GridColumn kCampaignColumns[] = {
    {"OEM1", {}, 2, S::Available},
    {"OEM2", {}, 2, S::Available},
    {"OEM3", {}, 2, S::Available},
    {"BARKOD", "Barkod", 2, S::Yes},
    {"ADI", "Açıklama", 3, S::Yes},
    {"OEM4", {}, 2, S::Available},
    {"STOK_STOKNO", {}, 1, S::Never},
    {"RESIM", "Resim", 1, S::Yes, K::Icon, &StatusIcons::picture},
    {"FINISHKOD", "Finish Kod", 2, S::Yes},
    {"URETICIKODU", "Üretici Kod", 2, S::Available},
    {"BARKOD_BARKODNO", {}, 1, S::Never},
    {"DIGERADI", "Diğer Adı", 3, S::Available},
    {"DPKOD", {}, 2, S::Never},
    {"OEMNO", "Oem No", 2, S::Available},
    {"BIRIM", "Birim", 1, S::Yes},
    {"MARKA", {}, 2, S::Yes},
    {"MODEL", {}, 2, S::Yes},
    {"ANAGRUP", "Ana Grup", 2, S::Available},
    {"OZELKOD", "Özel Kod", 2, S::Available},
    {"KALAN", {}, 1, S::Never},
    {"PKOD", {}, 1, S::Never},
    {"KDV", {}, 1, S::Available},
    {"ALINANSIPARIS", {}, 1, S::Never},
    {"VERILENSIPARIS", {}, 1, S::Never},
    {"ESKIFIYAT", "Liste Fiyatı", 2, S::Yes},
    {"FIYAT", "Kampanyalı Fiyatı", 2, S::Yes},
    {"Y", "Yeni", 1, S::Yes, K::Icon, &StatusIcons::newItem},
    {"K", "Kampanyalı", 1, S::Yes, K::Icon, &StatusIcons::campaign},
    {"INDIRIM", "İndirim Oran", 1, S::Never},
    {"INDIRIMYAZI", "İndirim Oran", 2, S::Yes, K::Text, nullptr, Qt::AlignCenter},
    {"NETFIYAT", "Net Fiyatı", 2, S::Yes},
    {"KDVDAHIL", "KDV Dahil Fiyat", 2, S::Yes},
    {"DURUM", "Durum", 1, S::Yes, K::Icon, &StatusIcons::availability},
};

const QString kStockTitle = QStringLiteral("Stok Listesi");
const char *const kRepresentativeColumns[] = {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"};
const char *const kWidePriceColumns[] = {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"};

void show(DataGrid *grid, const char *key, bool visible, bool offered)
{
    grid->setColumnVisible(QString::fromLatin1(key), visible);
    grid->setColumnOffered(QString::fromLatin1(key), offered);
}

} // namespace

StockLists::StockLists(TForm1 &f)
    : QObject(&f), form(f)
{
    cxGrid1 = new DataGrid(kStockColumns);
    cxGrid1->setObjectName("cxGrid1");
    cxGrid1->setDataSet(&form.stok);
    cxGrid1->setFooterCount(QStringLiteral("ADI"));
    cxGrid1->setCustomPainter(QStringLiteral("FiyatBilgisi"), [this](QPainter *p, const QStyleOptionViewItem &o, int row) {
        paintPriceCell(p, o, form.stok, row);
    });
    cxGrid6 = new DataGrid(kNewItemColumns);
    cxGrid6->setObjectName("cxGrid6");
    cxGrid6->setDataSet(&form.YENILER);
    cxGrid6->setFooterCount(QStringLiteral("ADI"));
    cxkampanyali = new DataGrid(kCampaignColumns);
    cxkampanyali->setObjectName("cxkampanyali");
    cxkampanyali->setDataSet(&form.kampstok);
    cxkampanyali->setFooterCount(QStringLiteral("ADI"));

    form.tabLayout(form.sstoklistesi)->addWidget(cxGrid1);
    form.tabLayout(form.syeniler)->addWidget(cxGrid6);
    form.tabLayout(form.skampanyali)->addWidget(cxkampanyali);

    popstok = new QMenu(cxGrid1);
    S2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
    popstok->addSeparator();
    B1 = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    popstok->addSeparator();
    S3 = popstok->addAction(QStringLiteral("Siparişleri Göster"));
    cxGrid1->setPopupMenu(popstok);
    connect(S2, &QAction::triggered, this, [this] { guarded([this] { openItemEntry(cxGrid1); }); });
    connect(S3, &QAction::triggered, this, [this] {
        if (cxGrid1->hasFocusedRow() && form.ShowOrderMovements)
            guarded([this] { form.ShowOrderMovements(cxGrid1->focusedValue(QStringLiteral("STOK_STOKNO")).toInt()); });
    });

    for (DataGrid *g : {cxGrid1, cxGrid6, cxkampanyali})
        connect(g, &DataGrid::doubleClicked, this, [this, g] { guarded([this, g] { openItemEntry(g); }); });
    connect(cxGrid1, &DataGrid::resized, this, [this] { StokGridDuzenle(); });
    connect(cxGrid6, &DataGrid::resized, this, [this] { GridDuzenle(cxGrid6); });
    connect(cxkampanyali, &DataGrid::resized, this, [this] {
        if (cxkampanyali->isEnabled())
            GridDuzenle(cxkampanyali);
    });

    // The search box folds Turkish letters and shows upper case as it is typed.
    connect(form.araedit, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString folded = foldSearchText(text);
        if (folded != text) {
            const int pos = form.araedit->cursorPosition();
            form.araedit->setText(folded);
            form.araedit->setCursorPosition(pos);
        }
    });
    connect(form.araedit, &QLineEdit::returnPressed, this, [this] { guarded([this] { araeditEnter(); }); });
    connect(form.SpeedButton2, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton2Click(); }); });
    connect(form.SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });

    form.onTabShown(form.syeniler, [this] { syenilerShow(); });
    form.onTabShown(form.skampanyali, [this] { skampanyaliShow(); });
    form.onRoleShaping([this](int t) { shapeFor(t); });
}

bool StockLists::searching() const
{
    return !form.araedit->isEnabled();
}

void StockLists::araeditEnter()
{
    form.activateTab(form.sstoklistesi);
    const QString text = form.araedit->text();
    if (!searchTextLongEnough(text)) {
        ShowWarning(QStringLiteral("Lütfen en az 3 harf giriniz !"));
        return;
    }
    startSearch(text); // sent as typed, blanks included
}

void StockLists::SpeedButton2Click()
{
    if (searching())
        return;
    araeditEnter();
}

void StockLists::SpeedButton1Click()
{
    if (searching())
        return;
    if (form.stok.Active()) {
        form.stok.EmptyDataSet();
        form.setTabCaption(form.sstoklistesi, kStockTitle);
    }
    form.activateTab(form.sstoklistesi);
    cxGrid1->clearFilter();
    form.araedit->clear();
    form.araedit->selectAll();
    form.araedit->setFocus();
}

void StockLists::startSearch(const QString &text)
{
    form.araedit->setEnabled(false);
    form.gifstokara->start();
    cxGrid1->detach();
    cxGrid1->beginUpdate();
    cxGrid1->clearFilter();

    // The worker decodes into a table of its own; only the UI thread touches
    // the dataset, so nothing else can ever see it half filled.
    struct Outcome { bool hata = false; TableData rows; };
    auto out = std::make_shared<Outcome>();
    std::shared_ptr<TSonucBilgisi> session = form.sbilgi.copy();
    std::shared_ptr<DSConnection> clone = form.bagc.CloneConnection();
    RunAsync([out, session, clone, text] {
        // StokAra: any failure, or a packet without IND1, is the error flag.
        try {
            const bool opened = CallServer(*clone, 0, [&](TServerMethods1Client &proxy) {
                TableData *packet = proxy.StokAraGetir(text, std::make_unique<TSonucBilgisi>(*session));
                if (packet->indexOf(QStringLiteral("IND1")) < 0)
                    out->hata = true;
                else
                    out->rows = std::move(*packet);
            });
            if (!opened)
                out->hata = true;
        } catch (...) {
            out->hata = true;
        }
    })->Await([this, out] {
        if (!out->hata) {
            form.stok.loadFromPacket(std::move(out->rows));
            FormatFloatFields(form.stok);
        }
        form.setTabCaption(form.sstoklistesi, TForm1::tabCaption(kStockTitle, form.stok.RecordCount()));
        form.araedit->setEnabled(true);
        cxGrid1->attach();
        cxGrid1->endUpdate();
        form.araedit->selectAll();
        form.araedit->setFocus();
        form.gifstokara->stop();
        if (out->hata) {
            if (form.stok.Active())
                form.stok.EmptyDataSet();
            ShowError(QString::fromUtf8(kConnectionFailedText));
            form.setTabCaption(form.sstoklistesi, kStockTitle);
        }
        StokGridDuzenle();
    });
}

void StockLists::syenilerShow()
{
    loadList(cxGrid6, form.YENILER, m_newItems, false);
}

void StockLists::skampanyaliShow()
{
    loadList(cxkampanyali, form.kampstok, m_campaign, true);
}

void StockLists::loadList(DataGrid *grid, TClientDataSet &ds, LoadGuard &guard, bool campaign)
{
    if (!guard.begin())
        return; // the running load reloads once more when it ends
    BusyIndicator *busy = campaign ? form.gifkampanyali : form.gifyeniler;
    QWidget *tab = campaign ? form.skampanyali : form.syeniler;
    const QString title = campaign ? QStringLiteral("Kampanyalı") : QStringLiteral("Yeni Stoklar");
    busy->start();
    grid->setEnabled(false);
    grid->detach();
    grid->beginUpdate();

    struct Outcome { bool hata = false; bool loaded = false; TableData rows; };
    auto out = std::make_shared<Outcome>();
    const TSonucBilgisi s = form.sbilgi.snapshot();
    std::shared_ptr<DSConnection> clone = form.bagc.CloneConnection();
    RunAsync([out, s, clone, campaign] {
        const bool opened = CallServer(*clone, 0, [&](TServerMethods1Client &proxy) {
            TableData *packet = campaign ? proxy.KampanyaliVer2(s.CARINO(), s.MusteriTipi()) : proxy.YenilerVer2(s.CARINO());
            out->rows = std::move(*packet);
            out->loaded = true;
        });
        if (!opened)
            out->hata = true;
    })->Await([=, this, &ds, &guard] {
        // A server error leaves the rows as they were; it is reported after this.
        if (out->loaded) {
            ds.loadFromPacket(std::move(out->rows));
            FormatFloatFields(ds);
            form.setTabCaption(tab, TForm1::tabCaption(title, ds.RecordCount()));
        }
        grid->attach();
        grid->endUpdate();
        grid->setEnabled(true);
        busy->stop();
        GridDuzenle(grid);
        if (out->hata)
            ShowError(QString::fromUtf8(kConnectionFailedText));
        if (guard.finish())
            loadList(grid, ds, guard, campaign);
    });
}

void StockLists::StokGridDuzenle()
{
    if (searching())
        return;
    cxGrid1->beginUpdate();
    const bool wide = form.width() > kWideWindow;
    for (const char *key : kWidePriceColumns) {
        const bool hiddenForRole = m_campaignHidden && QLatin1String(key) == QLatin1String("KAMPFIYAT");
        cxGrid1->setColumnVisible(QString::fromLatin1(key), wide && !hiddenForRole);
    }
    cxGrid1->setColumnVisible(QStringLiteral("FiyatBilgisi"), !wide);
    cxGrid1->setRowHeight(wide ? 80 : 100);
    cxGrid1->layoutByWeights();
    if (!wide) {
        for (const char *oem : {"OEM1", "OEM2", "OEM3"})
            cxGrid1->setColumnWidth(QString::fromLatin1(oem), 80);
        cxGrid1->setColumnWidth(QStringLiteral("FiyatBilgisi"), 150);
    }
    cxGrid1->endUpdate();
}

void StockLists::GridDuzenle(DataGrid *grid)
{
    const QScreen *screen = grid->screen() ? grid->screen() : QGuiApplication::primaryScreen();
    grid->beginUpdate();
    if (screen && screen->size().width() > kWideWindow)
        grid->layoutByWeights();
    else
        grid->bestFit();
    grid->endUpdate();
}

void StockLists::openItemEntry(DataGrid *grid)
{
    if (!grid->hasFocusedRow())
        return;
    TClientDataSet *ds = grid->dataSet();
    const int stokno = grid->focusedValue(QStringLiteral("STOK_STOKNO")).toInt();
    ds->Locate(QStringLiteral("STOK_STOKNO"), stokno);
    if (!form.sepet.Active() && form.SepetGetir)
        form.SepetGetir();
    if (form.sepet.Active() && form.sepet.FindField(QStringLiteral("STOKNO")).isValid()
        && form.sepet.Locate(QStringLiteral("STOKNO"), stokno)) {
        form.SepetSatirDegistir(form.sepet.FieldByName(QStringLiteral("SIRANO")).AsInteger());
        return;
    }
    if (grid == cxGrid1)
        StokListesindenEkle(form, stokno);
    else if (grid == cxGrid6)
        YenilerdenEkle(form, stokno);
    else
        KampanyalidanEkle(form, stokno);
}

void StockLists::shapeFor(int musteriTipi)
{
    if (musteriTipi == 1 || musteriTipi == 2) {
        for (DataGrid *g : {cxGrid1, cxGrid6, cxkampanyali})
            for (const char *key : kRepresentativeColumns)
                show(g, key, true, true);
    } else if (musteriTipi == 4) {
        m_campaignHidden = true;
        for (DataGrid *g : {cxGrid1, cxGrid6}) {
            show(g, "KAMPFIYAT", false, false);
            show(g, "K", false, false);
        }
    }
}
