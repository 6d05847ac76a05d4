// The protocol codec: every value type both ways, the object form, and the
// decoder against broken input.
#include "baglantiu.h"
#include "mobilstokunit.h"
#include "jsonreader.h"
#include "wire.h"

#include <QJsonDocument>
#include <QtEndian>
#include <QtTest>

class TstWire : public QObject
{
    Q_OBJECT
private slots:
    void scalarsRoundTrip();
    void scalarsRejectWrongTypes_data();
    void scalarsRejectWrongTypes();
    void dayNumbers();
    void tableRoundTripAllTypes();
    void tableRejectsBrokenInput_data();
    void tableRejectsBrokenInput();
    void streamRoundTrip();
    void sessionRecordRoundTrip();
    void referencesAndNull();
    void unknownTypeAndBadReference();
    void openingScreensContainer();
    void kopyalaIsIndependent();
    void frameReaderSplitsAndRejects_data();
    void frameReaderSplitsAndRejects();
    void frameReaderAcceptsPieces();
    void hexCoz_data();
    void hexCoz();
    void tableTextRoundTrip();
    void replyFrameSplicesTables();
    void readerMatchesQtOnValues_data();
    void readerMatchesQtOnValues();
    void readerRejects_data();
    void readerRejects();
};

static QJsonValue viaText(const QJsonValue &v)
{
    // Through real JSON text, as on the wire.
    const QByteArray text = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QJsonDocument::fromJson(text).array().at(0);
}

void TstWire::scalarsRoundTrip()
{
    qint32 i = 0;
    QVERIFY(wire::readInt32(viaText(-2147483647 - 1), &i));
    QCOMPARE(i, std::numeric_limits<qint32>::min());
    qint64 big = 0;
    QVERIFY(wire::readInt64(viaText(double(1LL << 53)), &big));
    QCOMPARE(big, 1LL << 53);
    double d = 0;
    QVERIFY(wire::readDouble(viaText(wire::writeDouble(0.1 + 0.2)), &d));
    QCOMPARE(d, 0.1 + 0.2); // exact, not approximately
    bool b = false;
    QVERIFY(wire::readBool(viaText(true), &b));
    QVERIFY(b);
    QString s;
    QVERIFY(wire::readString(viaText(QStringLiteral("ĞÜŞİÖÇ ğüşıöç \"tırnak\"")), &s));
    QCOMPARE(s, QStringLiteral("ĞÜŞİÖÇ ğüşıöç \"tırnak\""));
    QCOMPARE(wire::writeDouble(std::numeric_limits<double>::infinity()), QJsonValue(0.0));
}

void TstWire::scalarsRejectWrongTypes_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("as");
    QTest::newRow("int from string") << QJsonValue("5") << "int32";
    QTest::newRow("int from fraction") << QJsonValue(1.5) << "int32";
    QTest::newRow("int overflow") << QJsonValue(2147483648.0) << "int32";
    QTest::newRow("int64 beyond 2^53") << QJsonValue(1e17) << "int64";
    QTest::newRow("double from null") << QJsonValue() << "double";
    QTest::newRow("bool from number") << QJsonValue(1) << "bool";
    QTest::newRow("string from null") << QJsonValue() << "string";
}

void TstWire::scalarsRejectWrongTypes()
{
    QFETCH(QJsonValue, value);
    QFETCH(QString, as);
    qint32 i;
    qint64 l;
    double d;
    bool b;
    QString s;
    if (as == "int32") QVERIFY(!wire::readInt32(value, &i));
    if (as == "int64") QVERIFY(!wire::readInt64(value, &l));
    if (as == "double") QVERIFY(!wire::readDouble(value, &d));
    if (as == "bool") QVERIFY(!wire::readBool(value, &b));
    if (as == "string") QVERIFY(!wire::readString(value, &s));
}

void TstWire::dayNumbers()
{
    QCOMPARE(wire::toDayNumber(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    QCOMPARE(wire::toDayNumber(QDateTime(QDate(2026, 1, 1), QTime(0, 0))), 46023.0);
    QCOMPARE(wire::toDayNumber(QDateTime(QDate(2026, 1, 1), QTime(18, 0))), 46023.75);
    QCOMPARE(wire::fromDayNumber(46023.75), QDateTime(QDate(2026, 1, 1), QTime(18, 0)));
}

void TstWire::tableRoundTripAllTypes()
{
    TableData t({{"I", FieldType::Integer}, {"L", FieldType::LargeInt}, {"F", FieldType::Float},
                 {"C", FieldType::Currency}, {"B", FieldType::Boolean}, {"S", FieldType::String},
                 {"D", FieldType::DateTime}, {"X", FieldType::Blob}});
    int r = t.appendRow();
    t.setInt(r, 0, -7);
    t.setInt(r, 1, 1LL << 40);
    t.setFloat(r, 2, 1234.56);
    t.setFloat(r, 3, 0.125);
    t.setBool(r, 4, true);
    t.setString(r, 5, QStringLiteral("FREN BALATASI ÖN"));
    t.setFloat(r, 6, 46023.5);
    t.setBlob(r, 7, QByteArray("\x00\xff\x10", 3));
    t.appendRow(); // all null

    for (bool packet : {false, true}) {
        const QJsonValue wireValue = viaText(wire::encodeTable(t, packet));
        TableData back;
        bool isPacket = !packet;
        QString error;
        QVERIFY2(wire::decodeTable(wireValue, &back, &isPacket, &error), qPrintable(error));
        QCOMPARE(isPacket, packet);
        QCOMPARE(back.rowCount(), 2);
        QCOMPARE(back.columnCount(), 8);
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(back.fields()[c].name, t.fields()[c].name);
            QCOMPARE(back.fields()[c].type, t.fields()[c].type);
            QCOMPARE(back.value(0, c), t.value(0, c));
            QVERIFY(back.isNull(1, c));
        }
    }
    // Column names appear once, not per row.
    TableData many({{"STOK_STOKNO", FieldType::Integer}});
    for (int i = 0; i < 1000; ++i)
        many.setInt(many.appendRow(), 0, i);
    const QByteArray text = QJsonDocument(wire::encodeTable(many, true)).toJson(QJsonDocument::Compact);
    QCOMPARE(text.count("STOK_STOKNO"), 1);
}

void TstWire::tableRejectsBrokenInput_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not an object") << QByteArray("[1,2]");
    QTest::newRow("unknown kind") << QByteArray(R"({"kind":"grid","columns":[],"rows":[]})");
    QTest::newRow("unknown column type") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"money"}],"rows":[]})");
    QTest::newRow("nameless column") << QByteArray(R"({"kind":"table","columns":[{"name":"","type":"string"}],"rows":[]})");
    QTest::newRow("rows missing") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"string"}]})");
    QTest::newRow("short row") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"string"},{"name":"B","type":"integer"}],"rows":[["x"]]})");
    QTest::newRow("row not array") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"string"}],"rows":[{"A":"x"}]})");
    QTest::newRow("text in integer") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"rows":[["12"]]})");
    QTest::newRow("number in string") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"string"}],"rows":[[12]]})");
    QTest::newRow("fraction in integer") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"rows":[[1.5]]})");
}

void TstWire::tableRejectsBrokenInput()
{
    QFETCH(QByteArray, json);
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QJsonValue v = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    TableData t;
    QString error;
    QVERIFY(!wire::decodeTable(v, &t, nullptr, &error));
    QVERIFY(!error.isEmpty());
}

void TstWire::streamRoundTrip()
{
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.append(char(i * 7));
    QByteArray back;
    QString error;
    QVERIFY(wire::decodeStream(viaText(wire::encodeStream(bytes)), &back, &error));
    QCOMPARE(back, bytes);
    QJsonObject lying = wire::encodeStream(bytes);
    lying["size"] = 10;
    QVERIFY(!wire::decodeStream(lying, &back, &error));
    QVERIFY(!wire::decodeStream(QJsonValue("abc"), &back, &error));
}

void TstWire::sessionRecordRoundTrip()
{
    TSonucBilgisi s;
    s.setBILGISAYARID("WD-WCC4N1234567");
    s.setSaticiMail("ahmet@zerdaoto.com.tr");
    s.setSirano(17);
    s.setCariAdi(QStringLiteral("Yıldız Oto Yedek Parça"));
    s.setSIFRE("1234");
    s.setSaticiNo(3);
    s.setCARINO(1001);
    s.setAKTIF(1);
    s.setKullanicimail("demo@yildizoto.com.tr");
    s.setADI("DEMO");
    s.setSaticiTelefon("0532 111 22 33");
    s.setcarikod("120.01.001");
    s.setVarmi(true);
    s.setSaticiAdi(QStringLiteral("Ahmet Şahin"));
    s.setBilgiSayarAdi("KASA-PC");
    s.setDisip("127.0.0.1");
    s.setIcip("192.168.1.20");
    s.setBilgisayarKullanici("ali");
    s.setMusteriTipi(4);
    s.setVersion(8);

    ObjectWriter w;
    const QJsonObject o = viaText(w.write(&s)).toObject();
    QCOMPARE(o.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
    QCOMPARE(o.value("fields").toObject().size(), 20);
    QCOMPARE(o.value("fields").toObject().value("FCARINO").toInt(), 1001);
    QVERIFY(o.value("fields").toObject().contains("Fcarikod"));

    ObjectReader r;
    std::unique_ptr<TSonucBilgisi> back;
    QString error;
    QVERIFY2(r.read(o, &back, &error), qPrintable(error));
    QVERIFY(back);
    for (const auto &f : TSonucBilgisi::wireFields()) {
        std::visit([&](auto m) { QCOMPARE((*back).*m, s.*m); }, f.member);
    }
}

void TstWire::referencesAndNull()
{
    TTusSonuclari t;
    t.setAlindi(5);
    ObjectWriter w;
    const QJsonValue first = w.write(&t);
    const QJsonValue again = w.write(&t);
    QVERIFY(again.toObject().contains("ref"));
    QCOMPARE(again.toObject().value("ref"), first.toObject().value("id"));
    QVERIFY(w.write<TTusSonuclari>(nullptr).isNull());

    ObjectReader r;
    std::unique_ptr<TTusSonuclari> a, b, n;
    QString error;
    QVERIFY(r.read(first, &a, &error));
    QVERIFY(r.read(again, &b, &error));
    QCOMPARE(b->Alindi(), 5);
    QVERIFY(r.read(QJsonValue(), &n, &error));
    QVERIFY(!n);
}

void TstWire::unknownTypeAndBadReference()
{
    ObjectReader r;
    std::unique_ptr<TSiparisDipAyrinti> out;
    QString error;
    QVERIFY(!r.read(QJsonObject{{"type", "baglantiu.TBaskaSey"}, {"id", 1}, {"fields", QJsonObject{}}}, &out, &error));
    QVERIFY(!r.read(QJsonObject{{"type", TSiparisDipAyrinti::kType}, {"ref", 9}}, &out, &error));
    QVERIFY(!r.read(QJsonObject{{"type", TSiparisDipAyrinti::kType}, {"id", 2}, {"fields", QJsonObject{{"FKargo", 5}}}}, &out, &error));
    QVERIFY(error.contains("FKargo"));
    QVERIFY(!r.read(QJsonValue(42), &out, &error));
}

void TstWire::openingScreensContainer()
{
    TAcilisEkranlariki all;
    for (int i = 1; i <= 2; ++i) {
        auto e = std::make_unique<TAcilisEkran>();
        e->setSiraNo(i);
        e->setArama(i == 1 ? QStringLiteral("#KAMPANYA#") : QStringLiteral("#YENİ#"));
        all.Ekranlar().push_back(std::move(e));
    }
    ObjectWriter w;
    ObjectReader r;
    std::unique_ptr<TAcilisEkranlariki> back;
    QString error;
    QVERIFY2(r.read(viaText(w.write(&all)), &back, &error), qPrintable(error));
    QCOMPARE(int(back->Ekranlar().size()), 2);
    QCOMPARE(back->Ekranlar()[1]->Arama(), QStringLiteral("#YENİ#"));

    const QJsonObject empty{{"type", TAcilisEkranlariki::kType}, {"id", 1}, {"fields", QJsonObject{{"FEkranlar", QJsonArray{}}}}};
    ObjectReader r2;
    QVERIFY(r2.read(empty, &back, &error));
    QVERIFY(back->Ekranlar().empty());
}

void TstWire::kopyalaIsIndependent()
{
    TMobilCariBilgisi src;
    int n = 0;
    for (const auto &f : TMobilCariBilgisi::wireFields()) {
        std::visit([&](auto m) {
            using V = std::remove_cvref_t<decltype(src.*m)>;
            if constexpr (std::is_same_v<V, QString>) src.*m = QStringLiteral("deger%1").arg(n);
            else if constexpr (std::is_same_v<V, double>) src.*m = n + 0.5;
            else if constexpr (std::is_same_v<V, qint32>) src.*m = n;
        }, f.member);
        ++n;
    }
    QCOMPARE(n, 30);
    TMobilCariBilgisi copy;
    copy.Kopyala(src);
    for (const auto &f : TMobilCariBilgisi::wireFields())
        std::visit([&](auto m) { QCOMPARE(copy.*m, src.*m); }, f.member);
    copy.setADRES1(QStringLiteral("değişti"));
    QCOMPARE(src.ADRES1(), QStringLiteral("deger17"));
}

static QByteArray rawFrame(quint32 length, const QByteArray &body)
{
    QByteArray out(4, 0);
    qToBigEndian<quint32>(length, out.data());
    return out + body;
}

void TstWire::frameReaderSplitsAndRejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::newRow("truncated length") << QByteArray("\x00\x00", 2) << int(wire::FrameReader::NeedMore);
    QTest::newRow("truncated body") << rawFrame(10, "{\"a\"") << int(wire::FrameReader::NeedMore);
    QTest::newRow("oversized") << rawFrame(wire::kMaxFrame + 1, "{}") << int(wire::FrameReader::Broken);
    QTest::newRow("too short") << rawFrame(1, "{") << int(wire::FrameReader::Broken);
    QTest::newRow("malformed json") << rawFrame(5, "{\"a\":") << int(wire::FrameReader::Broken);
    QTest::newRow("array, not object") << rawFrame(3, "[1]") << int(wire::FrameReader::Broken);
    QTest::newRow("good") << wire::encodeFrame(QJsonObject{{"id", 1}}) << int(wire::FrameReader::Ready);
}

void TstWire::frameReaderSplitsAndRejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    wire::FrameReader reader;
    reader.feed(bytes);
    QJsonObject frame;
    QString error;
    QCOMPARE(int(reader.next(&frame, &error)), status);
    if (status == wire::FrameReader::Broken)
        QVERIFY(!error.isEmpty());
}

void TstWire::frameReaderAcceptsPieces()
{
    const QByteArray two = wire::encodeFrame(QJsonObject{{"id", 1}}) + wire::encodeFrame(QJsonObject{{"id", 2}});
    wire::FrameReader reader;
    QList<int> ids;
    for (char c : two) {
        reader.feed(QByteArray(1, c));
        QJsonObject frame;
        QString error;
        while (reader.next(&frame, &error) == wire::FrameReader::Ready)
            ids << frame.value("id").toInt();
    }
    QCOMPARE(ids, QList<int>({1, 2}));
    QCOMPARE(reader.buffered(), 0);
}

void TstWire::hexCoz_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << "" << true << QByteArray();
    QTest::newRow("upper") << "FFD8" << true << QByteArray("\xff\xd8", 2);
    QTest::newRow("lower") << "ffd8" << true << QByteArray("\xff\xd8", 2);
    QTest::newRow("odd length") << "ABC" << true << QByteArray("\xab\x0c", 2);
    QTest::newRow("bad pair") << "FFZZ" << false << QByteArray();
    QTest::newRow("blank inside") << "F F0" << false << QByteArray();
    QTest::newRow("sign") << "+1" << false << QByteArray();
}

void TstWire::hexCoz()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QByteArray, bytes);
    QByteArray out;
    QString error;
    QCOMPARE(HexCoz(text, &out, &error), ok);
    if (ok)
        QCOMPARE(out, bytes);
    else
        QVERIFY(!error.isEmpty());
}

static TableData everyType()
{
    TableData t({{"I", FieldType::Integer}, {"L", FieldType::LargeInt}, {"F", FieldType::Float},
                 {"C", FieldType::Currency}, {"B", FieldType::Boolean}, {"S", FieldType::String},
                 {"D", FieldType::DateTime}, {"X", FieldType::Blob}});
    const struct { qint64 i; double f; const char *s; } rows[] = {
        {-2147483647 - 1, 0.1 + 0.2, "düz metin"},
        {2147483647, -1234567.891, "tırnak \" ters \\ bölü / sekme\t satır\n"},
        {0, 1e-7, "\x01 denetim ve emoji \xF0\x9F\x9A\x97"},
    };
    for (const auto &row : rows) {
        const int r = t.appendRow();
        t.setInt(r, 0, row.i);
        t.setInt(r, 1, (1LL << 53) - 1);
        t.setFloat(r, 2, row.f);
        t.setFloat(r, 3, 12.5);
        t.setBool(r, 4, row.i != 0);
        t.setString(r, 5, QString::fromUtf8(row.s));
        t.setFloat(r, 6, 46023.75);
        t.setBlob(r, 7, QByteArray("\x00\xff", 2));
    }
    t.appendRow(); // nulls
    return t;
}

void TstWire::tableTextRoundTrip()
{
    const TableData t = everyType();
    for (bool packet : {false, true}) {
        const QByteArray text = wire::encodeTableText(t, packet);
        // Valid JSON that the generic decoder reads the same way...
        TableData viaQt;
        QString error;
        QVERIFY2(wire::decodeTable(QJsonDocument::fromJson(text).object(), &viaQt, nullptr, &error), qPrintable(error));
        // ...and that the fast reader turns straight into a table.
        ParsedFrame parsed;
        QVERIFY2(parseFrameJson(text, &parsed, &error), qPrintable(error));
        QCOMPARE(int(parsed.tables.size()), 1);
        QCOMPARE(parsed.value.toObject().value("kind").toString(), packet ? "datapacket" : "table");
        for (const TableData *back : {&viaQt, &parsed.tables[0]}) {
            QCOMPARE(back->rowCount(), t.rowCount());
            for (int r = 0; r < t.rowCount(); ++r)
                for (int c = 0; c < t.columnCount(); ++c)
                    QCOMPARE(back->value(r, c), t.value(r, c));
        }
    }
}

void TstWire::replyFrameSplicesTables()
{
    const TableData t = everyType();
    const std::vector<QByteArray> tables{wire::encodeTableText(t, true)};
    const QJsonObject reply{{"id", 7}, {"result", QJsonArray{1234, QJsonObject{{"$table", 0}}}}};
    const QByteArray frame = wire::encodeReplyFrame(reply, tables);
    wire::FrameReader reader;
    reader.feed(frame);
    QJsonObject generic;
    QString error;
    QCOMPARE(reader.next(&generic, &error), wire::FrameReader::Ready);
    QCOMPARE(generic.value("id").toInt(), 7);
    QCOMPARE(generic.value("result").toArray().at(0).toInt(), 1234);
    QCOMPARE(generic.value("result").toArray().at(1).toObject().value("rows").toArray().size(), t.rowCount());
    // Without tables it is the plain frame.
    QCOMPARE(wire::encodeReplyFrame(QJsonObject{{"id", 1}, {"error", "x"}}, {}),
             wire::encodeFrame(QJsonObject{{"id", 1}, {"error", "x"}}));
}

void TstWire::readerMatchesQtOnValues_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("object form") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"DEMO","FCARINO":1001,"FVarmi":true,"FSaticiMail":""}})");
    QTest::newRow("escapes") << QByteArray(R"(["a\"b\\c\/d\b\f\n\r\t", "\u00e7\u011f\u0130", "\ud83d\ude97"])");
    QTest::newRow("numbers") << QByteArray(R"([0, -0, 12, -3.5, 1e3, 2.5E-2, 1.7976931348623157e308])");
    QTest::newRow("nesting and blanks") << QByteArray(" { \"a\" : [ [ ] , { } , null , false ] } ");
    QTest::newRow("table with other member order") << QByteArray(R"({"columns":[{"name":"A","type":"integer"}],"kind":"table","rows":[[1]]})");
}

void TstWire::readerMatchesQtOnValues()
{
    QFETCH(QByteArray, json);
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QJsonValue expected = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    ParsedFrame parsed;
    QString error;
    QVERIFY2(parseFrameJson(json, &parsed, &error), qPrintable(error));
    QCOMPARE(parsed.value, expected);
    QVERIFY(parsed.tables.empty());
}

void TstWire::readerRejects_data()
{
    QTest::addColumn<QByteArray>("json");
    const QByteArray table = wire::encodeTableText(everyType(), true);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated table") << table.left(table.size() / 2);
    QTest::newRow("trailing garbage") << QByteArray("{} x");
    QTest::newRow("unterminated string") << QByteArray("[\"abc");
    QTest::newRow("raw control char") << QByteArray("[\"a\x01" "b\"]");
    QTest::newRow("bad escape") << QByteArray(R"(["\x"])");
    QTest::newRow("lone surrogate") << QByteArray(R"(["\udc00"])");
    QTest::newRow("leading zero") << QByteArray("[01]");
    QTest::newRow("bare minus") << QByteArray("[-]");
    QTest::newRow("missing comma") << QByteArray("[1 2]");
    QTest::newRow("too deep") << QByteArray(200, '[') + QByteArray(200, ']');
    QTest::newRow("short row") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"},{"name":"B","type":"string"}],"rows":[[1]]})");
    QTest::newRow("long row") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"rows":[[1,2]]})");
    QTest::newRow("text in integer") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"rows":[["1"]]})");
    QTest::newRow("fraction in integer") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"rows":[[1.5]]})");
    QTest::newRow("integer overflow") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"rows":[[2147483648]]})");
    QTest::newRow("number in string") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"string"}],"rows":[[5]]})");
    QTest::newRow("unknown column type") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"money"}],"rows":[]})");
    QTest::newRow("rows missing") << QByteArray(R"({"kind":"table","columns":[{"name":"A","type":"integer"}],"cells":[]})");
}

void TstWire::readerRejects()
{
    QFETCH(QByteArray, json);
    ParsedFrame parsed;
    QString error;
    QVERIFY(!parseFrameJson(json, &parsed, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TstWire)
#include "tst_wire.moc"
