// Stock search, new and campaign lists, item pictures.
#include "caller.h"
#include "database.h"
#include "handlers.h"
#include "pictures.h"
#include "pricing.h"
#include "textfold.h"

#include <baglantiu.h>
#include <tabledata.h>
#include <wire.h>

namespace handlers {

namespace {

// Rows one search may return; a broader search gets the first ones by stock number.
constexpr int kSearchCap = 50000;

enum Col {
    DURUM, OEM1, OEM2, OEM3, BARKOD, DPKOD, ADI, OEM4, STOK_STOKNO, FINISHKOD, URETICIKODU, RESIM,
    BARKOD_BARKODNO, DIGERADI, OEMNO, BIRIM, MARKA, MODEL, ANAGRUP, OZELKOD, KALAN, PKOD, KDV,
    ALINANSIPARIS, VERILENSIPARIS, LISTEFIYAT1, KAMPFIYAT, FIYAT, ESKIFIYAT, Y, K, INDIRIMYAZI, INDIRIM,
    NETFIYAT, KDVDAHIL, IND1, IND2, IND3, IND4,
};

TableData itemTable()
{
    using T = FieldType;
    return TableData({
        {"DURUM", T::Integer}, {"OEM1", T::String}, {"OEM2", T::String}, {"OEM3", T::String},
        {"BARKOD", T::String}, {"DPKOD", T::String}, {"ADI", T::String}, {"OEM4", T::String},
        {"STOK_STOKNO", T::Integer}, {"FINISHKOD", T::String}, {"URETICIKODU", T::String},
        {"RESIM", T::Integer}, {"BARKOD_BARKODNO", T::Integer}, {"DIGERADI", T::String},
        {"OEMNO", T::String}, {"BIRIM", T::String}, {"MARKA", T::String}, {"MODEL", T::String},
        {"ANAGRUP", T::String}, {"OZELKOD", T::String}, {"KALAN", T::Float}, {"PKOD", T::String},
        {"KDV", T::Float}, {"ALINANSIPARIS", T::Float}, {"VERILENSIPARIS", T::Float},
        {"LISTEFIYAT1", T::Float}, {"KAMPFIYAT", T::Float}, {"FIYAT", T::Float}, {"ESKIFIYAT", T::Float},
        {"Y", T::Integer}, {"K", T::Integer}, {"INDIRIMYAZI", T::String}, {"INDIRIM", T::Float},
        {"NETFIYAT", T::Float}, {"KDVDAHIL", T::Float},
        {"IND1", T::Float}, {"IND2", T::Float}, {"IND3", T::Float}, {"IND4", T::Float},
    });
}

// How one customer sees prices.
struct PriceView {
    Rates rates{};
    QString ratesText;       // the rates as shown, the same on every row
    bool campaigns = true;   // type 4 customers get none
    bool quantities = false; // stock figures are for representatives only
};

PriceView priceView(QSqlDatabase &d, int carino, int callerType)
{
    QSqlQuery q = db::run(d, QStringLiteral("SELECT ind1, ind2, ind3, ind4, tip FROM cari WHERE carino = ?"), {carino});
    if (!q.next())
        throw CallError(QStringLiteral("Cari bulunamadı: %1").arg(carino));
    PriceView v;
    for (int i = 0; i < 4; ++i)
        v.rates[size_t(i)] = q.value(i).toDouble();
    v.ratesText = discountText(v.rates);
    v.campaigns = q.value(4).toInt() != 4 && callerType != 4;
    v.quantities = callerType == 1 || callerType == 2;
    return v;
}

// Item columns as selected by "SELECT s.* FROM stok s".
void appendItem(TableData &t, const QSqlQuery &q, const PriceView &v)
{
    const int r = t.appendRow();
    const double list = q.value(19).toDouble();
    const double camp = q.value(20).toDouble();
    const double vat = q.value(18).toDouble();
    const bool onCampaign = v.campaigns && q.value(23).toInt() > 0 && camp > 0;
    // Campaign prices are net: customer discounts apply to list prices only.
    const double price = onCampaign ? camp : list;
    const Rates rates = onCampaign ? Rates{} : v.rates;
    const double net = round2(afterDiscounts(price, rates));

    t.setInt(r, STOK_STOKNO, q.value(0).toInt());
    t.setString(r, BARKOD, q.value(1).toString());
    t.setInt(r, BARKOD_BARKODNO, q.value(2).toInt());
    t.setString(r, ADI, q.value(3).toString());
    t.setString(r, DIGERADI, q.value(4).toString());
    t.setString(r, OEM1, q.value(5).toString());
    t.setString(r, OEM2, q.value(6).toString());
    t.setString(r, OEM3, q.value(7).toString());
    t.setString(r, OEM4, q.value(8).toString());
    t.setString(r, OEMNO, q.value(5).toString());
    t.setString(r, FINISHKOD, q.value(9).toString());
    t.setString(r, URETICIKODU, q.value(10).toString());
    t.setString(r, DPKOD, q.value(11).toString());
    t.setString(r, PKOD, q.value(12).toString());
    t.setString(r, BIRIM, q.value(13).toString());
    t.setString(r, MARKA, q.value(14).toString());
    t.setString(r, MODEL, q.value(15).toString());
    t.setString(r, ANAGRUP, q.value(16).toString());
    t.setString(r, OZELKOD, q.value(17).toString());
    t.setFloat(r, KDV, vat);
    t.setFloat(r, LISTEFIYAT1, list);
    t.setFloat(r, KAMPFIYAT, onCampaign ? camp : 0.0);
    t.setFloat(r, FIYAT, price);
    t.setFloat(r, ESKIFIYAT, list);
    t.setInt(r, DURUM, q.value(21).toInt());
    t.setInt(r, Y, q.value(22).toInt());
    t.setInt(r, K, onCampaign ? q.value(23).toInt() : 0);
    t.setInt(r, RESIM, q.value(24).toInt());
    t.setFloat(r, KALAN, v.quantities ? q.value(25).toDouble() : 0.0);
    t.setFloat(r, ALINANSIPARIS, v.quantities ? q.value(26).toDouble() : 0.0);
    t.setFloat(r, VERILENSIPARIS, v.quantities ? q.value(27).toDouble() : 0.0);
    static const QString netText = QStringLiteral("NET");
    t.setString(r, INDIRIMYAZI, onCampaign ? netText : v.ratesText);
    t.setFloat(r, INDIRIM, price > 0 ? round2(100.0 * (1.0 - net / price)) : 0.0);
    t.setFloat(r, NETFIYAT, net);
    t.setFloat(r, KDVDAHIL, round2(net * (1.0 + vat / 100.0)));
    for (int i = 0; i < 4; ++i)
        t.setFloat(r, IND1 + i, rates[size_t(i)]);
}

QJsonArray itemPacket(CallContext &ctx, const QString &sql, std::initializer_list<QVariant> binds, const PriceView &v)
{
    TableData t = itemTable();
    QSqlQuery q = db::run(ctx.db, sql, binds);
    while (q.next())
        appendItem(t, q, v);
    return QJsonArray{ctx.table(t, true)};
}

} // namespace

QJsonArray StokAraGetir(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(1));
    const PriceView v = priceView(ctx.db, c.carino, c.type);
    const QString expr = searchExpression(a.text(0));
    if (expr.isEmpty())
        return QJsonArray{ctx.table(itemTable(), true)};
    return itemPacket(ctx, QStringLiteral(
        "SELECT s.* FROM stok s WHERE s.stokno IN"
        " (SELECT rowid FROM stok_ara WHERE stok_ara MATCH ? ORDER BY rowid LIMIT ?)"
        " ORDER BY s.adi, s.stokno"), {expr, kSearchCap}, v);
}

QJsonArray YenilerVer2(CallContext &ctx, const CallArgs &a)
{
    // Only the customer number is known here, so no stock figures.
    const PriceView v = priceView(ctx.db, a.integer(0), 0);
    return itemPacket(ctx, QStringLiteral("SELECT s.* FROM stok s WHERE s.y > 0 ORDER BY s.adi, s.stokno LIMIT ?"),
                      {kSearchCap}, v);
}

QJsonArray KampanyaliVer2(CallContext &ctx, const CallArgs &a)
{
    const PriceView v = priceView(ctx.db, a.integer(0), a.integer(1));
    if (!v.campaigns)
        return QJsonArray{ctx.table(itemTable(), true)};
    return itemPacket(ctx, QStringLiteral(
        "SELECT s.* FROM stok s WHERE s.k > 0 AND s.kampfiyat > 0 ORDER BY s.adi, s.stokno LIMIT ?"),
        {kSearchCap}, v);
}

QJsonArray ResimVer5(CallContext &ctx, const CallArgs &a)
{
    const QByteArray bytes = ctx.pictures.jpeg(ctx.db, a.integer(0));
    return QJsonArray{double(bytes.size()), wire::encodeStream(bytes)};
}

} // namespace handlers
