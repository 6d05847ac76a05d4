// The in-memory dataset and the number formats the program shows money with.
#include "clientdataset.h"
#include "errors.h"
#include "numfmt.h"

#include <QtTest>

class TstDataset : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void decimalRounding_data();
    void decimalRounding();
    void formats_data();
    void formats();
    void formatFloatFieldsOnlyDoubles();
    void hasSelectedRows_data();
    void hasSelectedRows();
    void locateEditPost();
    void observersAndDisabledControls();
    void fieldConversionErrors();
};

void TstDataset::decimalRounding_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.125") << 0.125 << 2 << 0.13;
    QTest::newRow("1.005 (binary 1.00499..)") << 1.005 << 2 << 1.01;
    QTest::newRow("2.675 (binary 2.67499..)") << 2.675 << 2 << 2.68;
    QTest::newRow("negative half away") << -0.125 << 2 << -0.13;
    QTest::newRow("below half") << 0.124999 << 2 << 0.12;
    QTest::newRow("0.012") << 0.012 << 2 << 0.01;
    QTest::newRow("carry 9.995") << 9.995 << 2 << 10.0;
    QTest::newRow("tiny to zero") << 0.004 << 2 << 0.0;
    QTest::newRow("0.005 up") << 0.005 << 2 << 0.01;
    QTest::newRow("three places") << 1.0005 << 3 << 1.001;
    QTest::newRow("large") << 1234567.125 << 2 << 1234567.13;
    QTest::newRow("zero") << 0.0 << 2 << 0.0;
}

void TstDataset::decimalRounding()
{
    QFETCH(double, x);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(decimalRound(x, decimals), expected);
}

void TstDataset::formats_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("money") << "#,###,##0.00" << 1234.5 << "1.234,50";
    QTest::newRow("money zero") << "#,###,##0.00" << 0.0 << "0,00";
    QTest::newRow("money millions") << "#,###,##0.00" << 1234567.891 << "1.234.567,89";
    QTest::newRow("money negative") << "#,###,##0.00" << -1234.5 << "-1.234,50";
    QTest::newRow("negative rounds to zero") << "#,###,##0.00" << -0.001 << "0,00";
    QTest::newRow("no leading zero") << "#,###,##.00" << 0.5 << ",50";
    QTest::newRow("half up") << "#,###,##0.00" << 0.125 << "0,13";
}

void TstDataset::formats()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatFloat(pattern, value), text);
}

static TableData sample()
{
    TableData t({{"SIRANO", FieldType::Integer}, {"SEC", FieldType::Integer}, {"ADI", FieldType::String},
                 {"TUTAR", FieldType::Float}, {"KUR", FieldType::Currency}, {"TARIH", FieldType::DateTime}});
    const struct { int sirano; int sec; const char *adi; double tutar; } rows[] = {
        {10, 0, "YAG FILTRESI", 1234.5}, {11, 1, "FREN BALATASI", 99.9}, {12, 0, "SILECEK", 45},
    };
    for (const auto &r : rows) {
        const int i = t.appendRow();
        t.setInt(i, 0, r.sirano);
        t.setInt(i, 1, r.sec);
        t.setString(i, 2, QString::fromUtf8(r.adi));
        t.setFloat(i, 3, r.tutar);
        t.setFloat(i, 4, 36.25);
        t.setFloat(i, 5, 46023);
    }
    return t;
}

void TstDataset::formatFloatFieldsOnlyDoubles()
{
    TClientDataSet ds;
    ds.loadFromPacket(sample());
    FormatFloatFields(ds);
    for (const char *f : {"SIRANO", "SEC", "ADI", "KUR", "TARIH"})
        QVERIFY2(ds.displayFormat(ds.FindField(f).index()).isEmpty(), f);
    QCOMPARE(ds.displayFormat(ds.FindField("TUTAR").index()), QStringLiteral("#,###,##0.00"));
    QCOMPARE(ds.FieldByName("TUTAR").DisplayText(), QStringLiteral("1.234,50"));
}

void TstDataset::hasSelectedRows_data()
{
    QTest::addColumn<int>("selectedRow"); // -1: none selected
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("cursor");
    QTest::newRow("second selected") << 1 << true << true << 1;
    QTest::newRow("none selected") << -1 << true << false << 2;
    QTest::newRow("closed") << -1 << false << false << -1;
}

void TstDataset::hasSelectedRows()
{
    QFETCH(int, selectedRow);
    QFETCH(bool, open);
    QFETCH(bool, expected);
    QFETCH(int, cursor);
    TClientDataSet ds;
    if (open) {
        TableData t = sample();
        for (int r = 0; r < t.rowCount(); ++r)
            t.setInt(r, 1, r == selectedRow ? 1 : 0);
        ds.loadFromPacket(std::move(t));
    }
    QCOMPARE(HasSelectedRows(ds), expected);
    QCOMPARE(ds.RecNo(), cursor);
    TClientDataSet empty;
    empty.loadFromPacket(TableData(sample().fields()));
    QVERIFY(!HasRows(empty));
    QVERIFY(!HasSelectedRows(empty));
}

void TstDataset::locateEditPost()
{
    TClientDataSet ds;
    ds.loadFromPacket(sample());
    QVERIFY(ds.Locate("SIRANO", 12));
    QCOMPARE(ds.FieldByName("ADI").AsString(), QStringLiteral("SILECEK"));
    QVERIFY(!ds.Locate("SIRANO", 99));
    QVERIFY(ds.Locate("ADI", QStringLiteral("YAG FILTRESI")));
    ds.Edit();
    ds.FieldByName("SEC").setAsInteger(1);
    QCOMPARE(ds.data().intValue(0, 1), 0); // not stored before Post
    ds.Post();
    QCOMPARE(ds.data().intValue(0, 1), 1);
    QVERIFY(!ds.Editing());
}

void TstDataset::observersAndDisabledControls()
{
    TClientDataSet ds;
    QList<QPair<int, int>> seen;
    const int id = ds.addObserver([&](TClientDataSet::Change c, int row) { seen << qMakePair(int(c), row); });
    ds.loadFromPacket(sample());
    QCOMPARE(seen.size(), 1);
    ds.setRecNo(2);
    ds.Edit();
    ds.FieldByName("SEC").setAsInteger(1);
    ds.Post();
    QCOMPARE(seen.last(), qMakePair(int(TClientDataSet::Change::Row), 2));

    seen.clear();
    ds.DisableControls();
    ds.EmptyDataSet();
    ds.loadFromPacket(sample());
    QVERIFY(seen.isEmpty()); // views hear nothing while a load fills it
    ds.EnableControls();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().first, int(TClientDataSet::Change::Reset));
    ds.removeObserver(id);
    ds.EmptyDataSet();
    QCOMPARE(seen.size(), 1);
}

void TstDataset::fieldConversionErrors()
{
    TClientDataSet ds;
    ds.loadFromPacket(sample());
    QVERIFY_THROWS_EXCEPTION(ConversionError, ds.FieldByName("YOK"));
    QVERIFY(!ds.FindField("YOK").isValid());
    QVERIFY_THROWS_EXCEPTION(ConversionError, ds.FieldByName("ADI").AsInteger());
    QVERIFY_THROWS_EXCEPTION(ConversionError, ds.FieldByName("ADI").setAsInteger(1)); // not editing
}

QTEST_GUILESS_MAIN(TstDataset)
#include "tst_dataset.moc"
