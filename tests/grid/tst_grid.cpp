#include "clientdataset.h"
#include "datagrid.h"
#include "datasetmodel.h"
#include "gridheader.h"
#include "gridproxy.h"
#include "statusicons.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

const GridColumn kColumns[] = {
    {"SEC", "Seç", 1, Show::Always, Kind::Check},
    {"DURUM", "Durum", 1, Show::Yes, Kind::Icon, &StatusIcons::availability},
    {"BARKOD", "Barkod", 2, Show::Yes},
    {"ADI", "Açıklama", 3, Show::Yes},
    {"OEM1", "Oem1", 2, Show::Available},
    {"STOKNO", {}, 1, Show::Never},
    {"PKOD", "Pkod", 1, Show::Never, Kind::Text, {}, {}, {.headerCaptionHidden = true}},
    {"FIYAT", "Liste Fiyatı", 2, Show::Yes},
    {"INDIRIMYAZI", "İndirim Oran", 2, Show::Available, Kind::Text, {}, Qt::AlignCenter},
    {{}, "Fiyat Bilgisi", 2, Show::Available, Kind::Custom, {}, {}, {.name = "FiyatBilgisi"}},
};

struct Item {
    int stokno;
    int sec;
    int durum;
    const char *barkod;
    const char *adi;
    double fiyat;
};

// STOKNO is the dataset row + 100, so a mapped row is easy to read back.
const Item kItems[] = {
    {100, 1, 1, "B-10", "Fren Balatası", 1234.5},
    {101, 0, 0, "B-2", "Far Ampulü", 10.0},
    {102, 1, 3, "A-7", "Filtre", 250.25},
    {103, 0, 1, "C-1", "IŞIK Sensörü", 99.99},
    {104, 0, 5, "A-70", "fren diski", 0.5},
    {105, 1, 3, "B-10", "Kayış", 1000000.0},
};

TableData itemTable(int rows = -1)
{
    TableData t({{"STOKNO", FieldType::Integer},
                 {"SEC", FieldType::Integer},
                 {"DURUM", FieldType::Integer},
                 {"BARKOD", FieldType::String},
                 {"ADI", FieldType::String},
                 {"FIYAT", FieldType::Float},
                 {"INDIRIMYAZI", FieldType::String}});
    const int n = rows < 0 ? int(std::size(kItems)) : rows;
    t.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int r = t.appendRow();
        const Item &it = kItems[size_t(i) % std::size(kItems)];
        t.setInt(r, 0, rows < 0 ? it.stokno : 100 + i);
        t.setInt(r, 1, it.sec);
        t.setInt(r, 2, it.durum);
        t.setString(r, 3, rows < 0 ? QString::fromUtf8(it.barkod) : QStringLiteral("K-%1").arg(i));
        t.setString(r, 4, QString::fromUtf8(it.adi));
        t.setFloat(r, 5, it.fiyat);
        // INDIRIMYAZI stays null
    }
    return t;
}

void load(TClientDataSet &ds, int rows = -1)
{
    ds.loadFromPacket(itemTable(rows));
    FormatFloatFields(ds);
}

// Counts the text the model is asked to make.
class CountingModel : public DataSetModel
{
public:
    using DataSetModel::DataSetModel;
    mutable int displayCalls = 0;
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole)
            ++displayCalls;
        return DataSetModel::data(index, role);
    }
};

// QTest::keyClicks goes through Latin-1; dealers type Turkish.
void type(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(w, &press);
    }
}

QList<int> viewStoknos(const DataGrid &grid)
{
    QList<int> out;
    const QAbstractItemModel *m = grid.view()->model();
    const int col = grid.columnIndex("STOKNO");
    for (int r = 0; r < m->rowCount(); ++r)
        out.append(m->index(r, col).data(DataSetModel::RawRole).toInt());
    return out;
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void modelPassesTester();
    void modelRoles_data();
    void modelRoles();
    void headers();
    void noTextMadeForSortOrFilter();
    void detachStopsReading();
    void postedRowRepaints();

    void postedRowMovesInSortedView();
    void sortFilterAndFocusedRecord_data();
    void sortFilterAndFocusedRecord();
    void filterValues();
    void filterValuesCapped();
    void footerFollowsFilter();
    void filteredHeaderShowsButton();

    void chooserOffersShownAndAvailable();
    void setColumnOffered();

    void weightUnit_data();
    void weightUnit();
    void layoutByWeights_data();
    void layoutByWeights();
    void bestFitSkipsFixedColumns();

    void incrementalSearch_data();
    void incrementalSearch();
    void searchRestartsAfterPause();
    void customPainterGetsDatasetRow();
    void statusIcons();
};

void TestGrid::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TestGrid::modelPassesTester()
{
    TClientDataSet ds;
    load(ds);
    DataSetModel model(kColumns);
    GridProxy proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester t1(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester t2(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);

    model.setDataSet(&ds);
    proxy.sort(model.columnOf("FIYAT"), Qt::DescendingOrder);
    proxy.setValueFilter(model.columnOf("DURUM"), {"1", "3"});
    ds.setRecNo(2);
    ds.Edit();
    ds.FieldByName("DURUM").setAsInteger(0);
    ds.Post();
    load(ds, 40);
    model.setDataSet(nullptr);
    QCOMPARE(model.rowCount(), 0);
    model.setDataSet(&ds);
    QCOMPARE(proxy.rowCount(), 27); // rows with DURUM 1 or 3
}

void TestGrid::modelRoles_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("money formatted in Turkish") << "FIYAT" << 0 << int(Qt::DisplayRole) << QVariant("1.234,50");
    QTest::newRow("million") << "FIYAT" << 5 << int(Qt::DisplayRole) << QVariant("1.000.000,00");
    QTest::newRow("below one keeps the zero") << "FIYAT" << 4 << int(Qt::DisplayRole) << QVariant("0,50");
    QTest::newRow("raw stays a double") << "FIYAT" << 0 << int(DataSetModel::RawRole) << QVariant(1234.5);
    QTest::newRow("edit role is raw") << "STOKNO" << 3 << int(Qt::EditRole) << QVariant(103);
    QTest::newRow("text") << "ADI" << 1 << int(Qt::DisplayRole) << QVariant("Far Ampulü");
    QTest::newRow("numbers right") << "FIYAT" << 0 << int(Qt::TextAlignmentRole) << QVariant(right);
    QTest::newRow("text left") << "BARKOD" << 0 << int(Qt::TextAlignmentRole) << QVariant(left);
    QTest::newRow("column alignment wins") << "INDIRIMYAZI" << 0 << int(Qt::TextAlignmentRole)
                                           << QVariant(int(Qt::AlignCenter));
    QTest::newRow("null shows nothing") << "INDIRIMYAZI" << 0 << int(Qt::DisplayRole) << QVariant(QString());
    QTest::newRow("icon has no text") << "DURUM" << 0 << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("icon tooltip") << "DURUM" << 2 << int(Qt::ToolTipRole) << QVariant("Yolda");
    QTest::newRow("tooltip of 5") << "DURUM" << 4 << int(Qt::ToolTipRole) << QVariant("Tedarik Sürecinde");
    QTest::newRow("check 1") << "SEC" << 0 << int(Qt::CheckStateRole) << QVariant(int(Qt::Checked));
    QTest::newRow("check 0") << "SEC" << 1 << int(Qt::CheckStateRole) << QVariant(int(Qt::Unchecked));
    QTest::newRow("check has no text") << "SEC" << 0 << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("field not sent") << "OEM1" << 0 << int(Qt::DisplayRole) << QVariant(QString());
    QTest::newRow("unbound") << "FiyatBilgisi" << 0 << int(Qt::EditRole) << QVariant();
}

void TestGrid::modelRoles()
{
    QFETCH(QString, key);
    QFETCH(int, row);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    TClientDataSet ds;
    load(ds);
    DataSetModel model(kColumns);
    model.setDataSet(&ds);
    const QVariant v = model.index(row, model.columnOf(key)).data(role);
    if (role == Qt::TextAlignmentRole || role == Qt::CheckStateRole)
        QCOMPARE(v.toInt(), expected.toInt());
    else
        QCOMPARE(v, expected);
}

void TestGrid::headers()
{
    TClientDataSet ds;
    load(ds);
    DataSetModel model(kColumns);
    model.setDataSet(&ds);
    const auto header = [&](const char *key) {
        return model.headerData(model.columnOf(key), Qt::Horizontal).toString();
    };
    QCOMPARE(header("BARKOD"), "Barkod");
    QCOMPARE(header("STOKNO"), "STOKNO");     // no caption: the field name
    QCOMPARE(header("PKOD"), QString());      // caption hidden
    QCOMPARE(header("FiyatBilgisi"), "Fiyat Bilgisi");
    // Check boxes change through the window's logic, never by a click.
    QVERIFY(!(model.flags(model.index(0, model.columnOf("SEC"))) & Qt::ItemIsUserCheckable));
    QVERIFY(!(model.flags(model.index(0, model.columnOf("SEC"))) & Qt::ItemIsEditable));
    // An icon cell draws its value's icon.
    QVERIFY(!model.index(0, model.columnOf("DURUM")).data(Qt::DecorationRole).value<QIcon>().isNull());
}

void TestGrid::noTextMadeForSortOrFilter()
{
    TClientDataSet ds;
    load(ds, 100000);
    CountingModel model(kColumns);
    GridProxy proxy;
    proxy.setSourceModel(&model);
    model.setDataSet(&ds);
    proxy.sort(model.columnOf("BARKOD"), Qt::DescendingOrder);
    proxy.sort(model.columnOf("FIYAT"), Qt::AscendingOrder);
    // Filtering a sorted list removes rows in tens of thousands of ranges;
    // the view must hear of it once, not once per range.
    QSignalSpy removed(&proxy, &QAbstractItemModel::rowsRemoved);
    QSignalSpy relaid(&proxy, &QAbstractItemModel::layoutChanged);
    proxy.setValueFilter(model.columnOf("DURUM"), {"3"});
    QCOMPARE(proxy.rowCount(), 33333);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(relaid.count(), 1);
    QCOMPARE(model.displayCalls, 0);
    // The filter list makes text only for the values it offers.
    const auto values = proxy.distinctValues(model.columnOf("ADI"), 1000);
    QCOMPARE(values.size(), 2); // "Filtre", "Kayış": the DURUM 3 rows
    QCOMPARE(model.displayCalls, 2);
}

void TestGrid::detachStopsReading()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    QCOMPARE(grid.rowCount(), 6);

    grid.detach();
    QVERIFY(!grid.isAttached());
    QCOMPARE(grid.rowCount(), 0);
    QVERIFY(!grid.hasFocusedRow());
    QCOMPARE(grid.focusedValue("STOKNO"), QVariant());

    // A reload behind a detached grid reaches it only on attach.
    QSignalSpy resets(grid.view()->model(), &QAbstractItemModel::modelReset);
    load(ds, 12);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(grid.rowCount(), 0);
    grid.attach();
    QCOMPARE(grid.rowCount(), 12);
    QVERIFY(grid.hasFocusedRow()); // a loaded list has its first row focused
    QCOMPARE(grid.focusedRecord(), 0);
}

void TestGrid::postedRowRepaints()
{
    TClientDataSet ds;
    load(ds);
    DataSetModel model(kColumns);
    model.setDataSet(&ds);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    ds.setRecNo(1);
    ds.Edit();
    ds.FieldByName("SEC").setAsInteger(1);
    ds.Post();
    QCOMPARE(resets.count(), 0);
    QCOMPARE(changed.count(), 1);
    const auto topLeft = changed.at(0).at(0).value<QModelIndex>();
    const auto bottomRight = changed.at(0).at(1).value<QModelIndex>();
    QCOMPARE(topLeft.row(), 1);
    QCOMPARE(bottomRight.row(), 1);
    QCOMPARE(topLeft.column(), 0);
    QCOMPARE(bottomRight.column(), model.columnCount() - 1);
    QCOMPARE(model.index(1, model.columnOf("SEC")).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    ds.EmptyDataSet();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 0);
}

void TestGrid::postedRowMovesInSortedView()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    grid.view()->sortByColumn(grid.columnIndex("ADI"), Qt::AscendingOrder);
    QCOMPARE(viewStoknos(grid), (QList<int>{101, 102, 100, 104, 103, 105}));
    ds.setRecNo(1);
    ds.Edit();
    ds.FieldByName("ADI").setAsString("Zincir");
    ds.Post();
    QCOMPARE(viewStoknos(grid), (QList<int>{102, 100, 104, 103, 105, 101}));
}

void TestGrid::sortFilterAndFocusedRecord_data()
{
    QTest::addColumn<QString>("sortKey");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("filterKey");
    QTest::addColumn<QStringList>("filter");
    QTest::addColumn<QList<int>>("stoknos"); // in view order

    QTest::newRow("server order") << QString() << 0 << QString() << QStringList() << QList<int>{100, 101, 102, 103, 104, 105};
    QTest::newRow("price descending")
        << "FIYAT" << int(Qt::DescendingOrder) << QString() << QStringList() << QList<int>{105, 100, 102, 103, 101, 104};
    // Part codes compare as dealers read them: B-2 before B-10, A-7 before A-70.
    QTest::newRow("code, numbers by value")
        << "BARKOD" << int(Qt::AscendingOrder) << QString() << QStringList() << QList<int>{102, 104, 101, 100, 105, 103};
    QTest::newRow("filtered, sorted") << "FIYAT" << int(Qt::AscendingOrder) << "DURUM" << QStringList{"1", "3"}
                                      << QList<int>{103, 102, 100, 105};
    QTest::newRow("text filter") << "ADI" << int(Qt::DescendingOrder) << "BARKOD" << QStringList{"B-10"}
                                 << QList<int>{105, 100};
    QTest::newRow("nothing passes") << "ADI" << int(Qt::AscendingOrder) << "BARKOD" << QStringList{"yok"} << QList<int>{};
}

void TestGrid::sortFilterAndFocusedRecord()
{
    QFETCH(QString, sortKey);
    QFETCH(int, order);
    QFETCH(QString, filterKey);
    QFETCH(QStringList, filter);
    QFETCH(QList<int>, stoknos);

    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    if (!sortKey.isEmpty())
        grid.view()->sortByColumn(grid.columnIndex(sortKey), Qt::SortOrder(order));
    if (!filterKey.isEmpty())
        grid.setColumnFilter(filterKey, QSet<QString>(filter.begin(), filter.end()));

    QCOMPARE(viewStoknos(grid), stoknos);
    QCOMPARE(grid.hasFocusedRow(), !stoknos.isEmpty());
    QTableView *view = grid.view();
    for (int r = 0; r < stoknos.size(); ++r) {
        view->setCurrentIndex(view->model()->index(r, grid.columnIndex("ADI")));
        QCOMPARE(grid.focusedRecord(), stoknos[r] - 100);
        QCOMPARE(grid.focusedValue("STOKNO").toInt(), stoknos[r]);
        QCOMPARE(grid.focusedValue("ADI").toString(), QString::fromUtf8(kItems[stoknos[r] - 100].adi));
    }
    if (!stoknos.isEmpty()) {
        QVERIFY(grid.focusRecord(stoknos.last() - 100));
        QCOMPARE(view->currentIndex().row(), stoknos.size() - 1);
    }
    if (!filterKey.isEmpty()) {
        grid.clearFilter();
        QCOMPARE(grid.rowCount(), 6);
    }
}

void TestGrid::filterValues()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);

    auto values = grid.filterValues("DURUM");
    QStringList texts;
    QList<int> counts;
    for (const auto &v : values) {
        texts << v.text;
        counts << v.rows;
    }
    QCOMPARE(texts, (QStringList{"Yok", "Var", "Yolda", "Tedarik Sürecinde"}));
    QCOMPARE(counts, (QList<int>{1, 2, 2, 1}));
    QVERIFY(!values.at(1).icon.isNull());

    // Money is offered as shown, filtered by the raw value.
    values = grid.filterValues("FIYAT");
    QCOMPARE(values.first().text, "0,50");
    QCOMPARE(values.last().text, "1.000.000,00");
    grid.setColumnFilter("FIYAT", {values.last().key});
    QCOMPARE(viewStoknos(grid), QList<int>{105});

    // Another column's list shows what the first filter left.
    grid.setColumnFilter("FIYAT", {});
    grid.setColumnFilter("DURUM", {"3"});
    values = grid.filterValues("ADI");
    QCOMPARE(values.size(), 2);
    // ...but not what its own filter hides, or the user could never widen it.
    QCOMPARE(grid.filterValues("DURUM").size(), 4);
}

void TestGrid::filterValuesCapped()
{
    TClientDataSet ds;
    load(ds, 1500);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    bool truncated = false;
    QCOMPARE(grid.filterValues("BARKOD", &truncated).size(), 1000);
    QVERIFY(truncated);
    QCOMPARE(grid.filterValues("DURUM", &truncated).size(), 4);
    QVERIFY(!truncated);
}

void TestGrid::footerFollowsFilter()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setFooterCount("BARKOD");
    grid.setFooterSum("FIYAT");
    grid.setDataSet(&ds);

    QCOMPARE(grid.footerText("BARKOD"), "6");
    QCOMPARE(grid.footerText("FIYAT"), "1.001.595,24");
    QCOMPARE(grid.footerText("ADI"), QString());

    grid.setColumnFilter("SEC", {"1"});
    QCOMPARE(grid.footerText("BARKOD"), "3");
    QCOMPARE(grid.footerText("FIYAT"), "1.001.484,75");

    // A posted change is summed again.
    ds.setRecNo(0);
    ds.Edit();
    ds.FieldByName("FIYAT").setAsFloat(0.25);
    ds.Post();
    QCOMPARE(grid.footerText("FIYAT"), "1.000.250,50");

    grid.clearFilter();
    QCOMPARE(grid.footerText("BARKOD"), "6");
    grid.detach();
    QCOMPARE(grid.footerText("BARKOD"), "0");
    QCOMPARE(grid.footerText("FIYAT"), "0,00");
}

void TestGrid::filteredHeaderShowsButton()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    grid.resize(900, 300);
    grid.show();
    grid.setColumnFilter("DURUM", {"1"});
    auto *header = qobject_cast<GridHeader *>(grid.view()->horizontalHeader());
    QVERIFY(header);
    const QImage image = header->viewport()->grab().toImage();
    const QRgb highlight = header->palette().color(QPalette::Highlight).rgb();
    const auto highlighted = [&](const QString &key) {
        const QRect r = header->filterButtonRect(grid.columnIndex(key));
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += image.pixel(x, y) == highlight;
        return n;
    };
    QVERIFY(highlighted("DURUM") > 4);
    QCOMPARE(highlighted("BARKOD"), 0);
}

void TestGrid::chooserOffersShownAndAvailable()
{
    DataGrid grid(kColumns);
    const QStringList expected{"DURUM", "BARKOD", "ADI", "OEM1", "FIYAT", "INDIRIMYAZI", "FiyatBilgisi"};
    QCOMPARE(grid.chooserColumns(), expected);
    QVERIFY(grid.isColumnVisible("SEC"));
    QVERIFY(!grid.isColumnVisible("OEM1"));
    QVERIFY(!grid.isColumnVisible("STOKNO"));

    // The menu the user opens lists the same columns, ticked when shown.
    std::unique_ptr<QMenu> menu(grid.createHeaderMenu(grid.columnIndex("ADI"), nullptr));
    QMenu *chooser = nullptr;
    for (QAction *a : menu->actions())
        if (a->menu() && a->text() == "Sütun Seçimi")
            chooser = a->menu();
    QVERIFY(chooser);
    QStringList keys;
    for (QAction *a : chooser->actions()) {
        keys << a->data().toString();
        QCOMPARE(a->isChecked(), grid.isColumnVisible(a->data().toString()));
    }
    QCOMPARE(keys, expected);
    chooser->actions().at(expected.indexOf("OEM1"))->trigger();
    QVERIFY(grid.isColumnVisible("OEM1"));
    chooser->actions().at(expected.indexOf("ADI"))->trigger();
    QVERIFY(!grid.isColumnVisible("ADI"));
}

void TestGrid::setColumnOffered()
{
    DataGrid grid(kColumns);
    grid.setColumnOffered("OEM1", false);   // e.g. withdrawn for one customer type
    grid.setColumnOffered("STOKNO", true);
    QVERIFY(!grid.chooserColumns().contains("OEM1"));
    QVERIFY(grid.chooserColumns().contains("STOKNO"));
    QVERIFY(!grid.isColumnOffered("OEM1"));
    // Offering does not show; showing does not offer.
    QVERIFY(!grid.isColumnVisible("STOKNO"));
    grid.setColumnVisible("PKOD", true);
    QVERIFY(grid.isColumnVisible("PKOD"));
    QVERIFY(!grid.chooserColumns().contains("PKOD"));
}

void TestGrid::weightUnit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("unit");
    QTest::newRow("630 / 30") << 630 << 30 << 20;
    QTest::newRow("truncated") << 659 << 30 << 20;
    QTest::newRow("next unit") << 660 << 30 << 21;
    QTest::newRow("wide window") << 1890 << 37 << 50;
    QTest::newRow("no room") << 30 << 5 << 0;
    QTest::newRow("narrower than the margin") << 12 << 5 << 0;
    QTest::newRow("nothing visible") << 800 << 0 << 0;
}

void TestGrid::weightUnit()
{
    QFETCH(int, width);
    QFETCH(int, sum);
    QFETCH(int, unit);
    QCOMPARE(::weightUnit(width, sum), unit);
}

void TestGrid::layoutByWeights_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("alsoShown");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<int>>("widths");

    // Visible weights SEC 1 + DURUM 1 + BARKOD 2 + ADI 3 + FIYAT 2 = 9.
    QTest::newRow("unit 20") << 210 << QStringList() << QStringList{"SEC", "DURUM", "BARKOD", "ADI", "FIYAT"}
                             << QList<int>{20, 20, 40, 60, 40};
    // Shown columns count: with OEM1 (2) and the price cell (2), 13 units.
    QTest::newRow("more shown") << 680 << QStringList{"OEM1", "FiyatBilgisi"}
                                << QStringList{"ADI", "OEM1", "FiyatBilgisi"} << QList<int>{150, 100, 100};
}

void TestGrid::layoutByWeights()
{
    QFETCH(int, width);
    QFETCH(QStringList, alsoShown);
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, widths);

    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    for (const QString &k : alsoShown)
        grid.setColumnVisible(k, true);
    grid.resize(width, 300);
    grid.show();
    QSignalSpy resized(&grid, &DataGrid::resized);
    grid.resize(width + 1, 300);
    grid.resize(width, 300);
    QCOMPARE(resized.count(), 2);

    const int hiddenBefore = grid.columnWidth("STOKNO");
    grid.layoutByWeights();
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(grid.columnWidth(keys[i]), widths[i]);
    QCOMPARE(grid.columnWidth("STOKNO"), hiddenBefore);
}

void TestGrid::bestFitSkipsFixedColumns()
{
    const GridColumn columns[] = {
        {"ADI", "A", 1, Show::Yes},
        {"BARKOD", "B", 1, Show::Yes, Kind::Text, {}, {}, {.minWidth = 404, .fixedWidth = true}},
    };
    TClientDataSet ds;
    load(ds);
    DataGrid grid(columns);
    grid.setDataSet(&ds);
    QCOMPARE(grid.columnWidth("BARKOD"), 404);
    grid.setColumnWidth("ADI", 5);
    grid.setColumnWidth("BARKOD", 10); // never below its minimum
    QCOMPARE(grid.columnWidth("BARKOD"), 404);
    grid.bestFit();
    int textWidth = 0;
    for (const Item &it : kItems)
        textWidth = qMax(textWidth, grid.fontMetrics().horizontalAdvance(QString::fromUtf8(it.adi)));
    QVERIFY2(grid.columnWidth("ADI") >= textWidth, qPrintable(QString::number(grid.columnWidth("ADI"))));
    QCOMPARE(grid.columnWidth("BARKOD"), 404);
}

void TestGrid::incrementalSearch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stokno");
    QTest::addColumn<QString>("kept");

    QTest::newRow("first match from the top") << "f" << 100 << "f";
    QTest::newRow("narrows") << "fi" << 102 << "fi";
    QTest::newRow("case-insensitive") << "FREN D" << 104 << "FREN D";
    QTest::newRow("Turkish dotless i") << "ışı" << 103 << "ışı";
    QTest::newRow("key that matches nothing is dropped") << "kx" << 105 << "k";
}

void TestGrid::incrementalSearch()
{
    QFETCH(QString, typed);
    QFETCH(int, stokno);
    QFETCH(QString, kept);

    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    grid.setFocusedColumn("ADI");
    type(grid.view(), typed);
    QCOMPARE(grid.focusedValue("STOKNO").toInt(), stokno);
    QCOMPARE(grid.searchText(), kept);
    QCOMPARE(grid.focusedColumnCaption(), "Açıklama");
}

void TestGrid::searchRestartsAfterPause()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    grid.view()->sortByColumn(grid.columnIndex("FIYAT"), Qt::AscendingOrder);
    grid.setFocusedColumn("ADI");
    type(grid.view(), "f");
    QCOMPARE(grid.focusedValue("STOKNO").toInt(), 104); // first in view order: "fren diski", 0,50
    QTRY_VERIFY_WITH_TIMEOUT(grid.searchText().isEmpty(), 3000);
    type(grid.view(), "ka");
    QCOMPARE(grid.focusedValue("STOKNO").toInt(), 105);
    QTest::keyClick(grid.view(), Qt::Key_Backspace);
    QCOMPARE(grid.searchText(), "k");
}

void TestGrid::customPainterGetsDatasetRow()
{
    TClientDataSet ds;
    load(ds);
    DataGrid grid(kColumns);
    grid.setDataSet(&ds);
    grid.setColumnVisible("FiyatBilgisi", true);
    grid.resize(900, 400);
    grid.show();
    grid.view()->sortByColumn(grid.columnIndex("FIYAT"), Qt::DescendingOrder);
    QList<int> rows;
    grid.setCustomPainter("FiyatBilgisi", [&](QPainter *, const QStyleOptionViewItem &, int row) { rows << row; });
    grid.grab();
    QCOMPARE(rows.mid(0, 6), (QList<int>{5, 0, 2, 3, 1, 4})); // dataset rows in view order
}

void TestGrid::statusIcons()
{
    const IconSet &durum = StatusIcons::availability();
    const QStringList texts{"Yok", "Var", "Telefon Açınız", "Yolda", "Özel Sipariş", "Tedarik Sürecinde"};
    QList<QImage> images;
    for (int v = 0; v < texts.size(); ++v) {
        QCOMPARE(durum.text(v), texts[v]);
        QVERIFY(!durum.icon(v).isNull());
        images << durum.icon(v).pixmap(16, 16).toImage();
        // Drawn for the size asked, not scaled from another.
        QCOMPARE(durum.icon(v).pixmap(20, 20).size(), QSize(20, 20));
    }
    for (int a = 0; a < images.size(); ++a)
        for (int b = a + 1; b < images.size(); ++b)
            QVERIFY2(images[a] != images[b], qPrintable(texts[a] + " = " + texts[b]));
    QVERIFY(durum.icon(6).isNull());

    for (const IconSet *set : {&StatusIcons::picture(), &StatusIcons::newItem(), &StatusIcons::campaign()}) {
        QVERIFY(!set->icon(1).isNull());
        QVERIFY(set->icon(0).isNull());
        QVERIFY(!set->text(1).isEmpty());
    }
    QCOMPARE(StatusIcons::picture().text(1), "Var");
    QCOMPARE(StatusIcons::campaign().text(1), "Evet");
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
