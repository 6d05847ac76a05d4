// The server-side basket: one list of lines per customer.
#include "caller.h"
#include "database.h"
#include "handlers.h"
#include "pricing.h"

#include <QDateTime>
#include <baglantiu.h>
#include <cmath>
#include <tabledata.h>
#include <wire.h>

namespace handlers {

namespace {

enum Col {
    SEC, VERILISTARIHI, SIRANO, SIPARISNO, CARINO, TARIH, AKTAR, STOKNO, BARKOD, FINISHKOD, OEMNO, STOKADI,
    MIKTAR, BIRIMFIYAT, TUTAR, INDIRIMYAZI, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMTUTAR,
    NETBIRIMFIYAT, KDV, VERGITUTARI, NETTUTAR, KUR, KURTL, VERENIDNO, SAAT, TESLIMID, KARGOID, ACIKLAMA, IDNO,
    VERENSIRANO, VEREN, CARIKOD, CARIADI, OEM1, OEM2, OEM3, OEM4, STOK_STOKNO, URETICIKODU, DIGERADI, DPKOD,
    MARKA, MODEL, ANAGRUP, OZELKOD, PKOD, DURUM, KALAN, INDIRIMORANI4,
};

TableData basketTable()
{
    using T = FieldType;
    return TableData({
        {"SEC", T::Integer}, {"VERILISTARIHI", T::DateTime}, {"SIRANO", T::Integer}, {"SIPARISNO", T::Integer},
        {"CARINO", T::Integer}, {"TARIH", T::DateTime}, {"AKTAR", T::Integer}, {"STOKNO", T::Integer},
        {"BARKOD", T::String}, {"FINISHKOD", T::String}, {"OEMNO", T::String}, {"STOKADI", T::String},
        {"MIKTAR", T::Float}, {"BIRIMFIYAT", T::Float}, {"TUTAR", T::Float}, {"INDIRIMYAZI", T::String},
        {"INDIRIMORANI1", T::Float}, {"INDIRIMORANI2", T::Float}, {"INDIRIMORANI3", T::Float},
        {"INDIRIMTUTAR", T::Float}, {"NETBIRIMFIYAT", T::Float}, {"KDV", T::Float}, {"VERGITUTARI", T::Float},
        {"NETTUTAR", T::Float}, {"KUR", T::Float}, {"KURTL", T::Float}, {"VERENIDNO", T::Integer},
        {"SAAT", T::String}, {"TESLIMID", T::Integer}, {"KARGOID", T::Integer}, {"ACIKLAMA", T::String},
        {"IDNO", T::Integer}, {"VERENSIRANO", T::Integer}, {"VEREN", T::String}, {"CARIKOD", T::String},
        {"CARIADI", T::String}, {"OEM1", T::String}, {"OEM2", T::String}, {"OEM3", T::String}, {"OEM4", T::String},
        {"STOK_STOKNO", T::Integer}, {"URETICIKODU", T::String}, {"DIGERADI", T::String}, {"DPKOD", T::String},
        {"MARKA", T::String}, {"MODEL", T::String}, {"ANAGRUP", T::String}, {"OZELKOD", T::String},
        {"PKOD", T::String}, {"DURUM", T::Integer}, {"KALAN", T::Float}, {"INDIRIMORANI4", T::Float},
    });
}

bool validRates(const Rates &r)
{
    for (double v : r)
        if (v < 0 || v >= 100)
            return false;
    return true;
}

// The price and rates a customer gets for an item, as the item lists show them.
struct Offer {
    QString barkod, adi;
    double price = 0, vat = 0;
    int k = 0;
    Rates rates{};
};

bool offerFor(QSqlDatabase &d, int stokno, int carino, Offer *o)
{
    QSqlQuery q = db::run(d, QStringLiteral(
        "SELECT s.barkod, s.adi, s.listefiyat, s.kampfiyat, s.k, s.kdv, c.ind1, c.ind2, c.ind3, c.ind4, c.tip"
        " FROM stok s, cari c WHERE s.stokno = ? AND c.carino = ?"), {stokno, carino});
    if (!q.next())
        return false;
    o->barkod = q.value(0).toString();
    o->adi = q.value(1).toString();
    o->vat = q.value(5).toDouble();
    const bool campaign = q.value(4).toInt() > 0 && q.value(3).toDouble() > 0 && q.value(10).toInt() != 4;
    o->k = campaign ? q.value(4).toInt() : 0;
    o->price = campaign ? q.value(3).toDouble() : q.value(2).toDouble();
    if (!campaign)
        for (int i = 0; i < 4; ++i)
            o->rates[size_t(i)] = q.value(6 + i).toDouble();
    return true;
}

Rates ratesArg(const CallArgs &a)
{
    return Rates{a.number(8), a.number(11), a.number(12), a.number(13)};
}

bool validQuantity(double q)
{
    return q >= 1 && q <= 1000000;
}

} // namespace

QJsonArray SepetVer2(CallContext &ctx, const CallArgs &a)
{
    TableData t = basketTable();
    QSqlQuery q = db::run(ctx.db, QStringLiteral(
        "SELECT b.sirano, b.sec, b.tarih, b.carino, b.stokno, b.barkod, b.stokadi, b.miktar, b.birimfiyat, b.kdv,"
        " b.ind1, b.ind2, b.ind3, b.ind4, b.aciklama, b.veren, k.adi, c.carikod, c.cariadi,"
        " s.finishkod, s.oem1, s.oem2, s.oem3, s.oem4, s.ureticikodu, s.digeradi, s.dpkod, s.marka, s.model,"
        " s.anagrup, s.ozelkod, s.pkod, s.durum"
        " FROM sepet b JOIN stok s ON s.stokno = b.stokno JOIN cari c ON c.carino = b.carino"
        " LEFT JOIN kullanici k ON k.sirano = b.veren"
        " WHERE b.carino = ? ORDER BY b.sirano"), {a.integer(0)});
    while (q.next()) {
        const int r = t.appendRow();
        const double qty = q.value(7).toDouble();
        const double price = q.value(8).toDouble();
        const double vat = q.value(9).toDouble();
        const Rates rates{q.value(10).toDouble(), q.value(11).toDouble(), q.value(12).toDouble(), q.value(13).toDouble()};
        const LineAmounts m = lineAmounts(qty, price, rates, vat);
        const double when = q.value(2).toDouble();
        t.setInt(r, SIRANO, q.value(0).toInt());
        t.setInt(r, SEC, q.value(1).toInt());
        t.setFloat(r, VERILISTARIHI, when);
        t.setFloat(r, TARIH, std::floor(when));
        t.setString(r, SAAT, wire::fromDayNumber(when).toString(QStringLiteral("HH:mm")));
        t.setInt(r, SIPARISNO, 0);
        t.setInt(r, CARINO, q.value(3).toInt());
        t.setInt(r, AKTAR, 0);
        t.setInt(r, STOKNO, q.value(4).toInt());
        t.setInt(r, STOK_STOKNO, q.value(4).toInt());
        t.setString(r, BARKOD, q.value(5).toString());
        t.setString(r, STOKADI, q.value(6).toString());
        t.setFloat(r, MIKTAR, qty);
        t.setFloat(r, BIRIMFIYAT, price);
        t.setFloat(r, KDV, vat);
        t.setFloat(r, INDIRIMORANI1, rates[0]);
        t.setFloat(r, INDIRIMORANI2, rates[1]);
        t.setFloat(r, INDIRIMORANI3, rates[2]);
        t.setFloat(r, INDIRIMORANI4, rates[3]);
        t.setString(r, INDIRIMYAZI, discountText(rates));
        t.setFloat(r, TUTAR, m.tutar);
        t.setFloat(r, INDIRIMTUTAR, m.indirimTutar);
        t.setFloat(r, NETTUTAR, m.netTutar);
        t.setFloat(r, VERGITUTARI, m.vergiTutari);
        t.setFloat(r, NETBIRIMFIYAT, m.netBirimFiyat);
        t.setFloat(r, KUR, 1.0);
        t.setFloat(r, KURTL, 1.0);
        t.setString(r, ACIKLAMA, q.value(14).toString());
        t.setInt(r, VERENIDNO, q.value(15).toInt());
        t.setInt(r, VERENSIRANO, q.value(15).toInt());
        t.setString(r, VEREN, q.value(16).toString());
        t.setInt(r, TESLIMID, 0);
        t.setInt(r, KARGOID, 0);
        t.setInt(r, IDNO, 0);
        t.setString(r, CARIKOD, q.value(17).toString());
        t.setString(r, CARIADI, q.value(18).toString());
        t.setString(r, FINISHKOD, q.value(19).toString());
        t.setString(r, OEM1, q.value(20).toString());
        t.setString(r, OEMNO, q.value(20).toString());
        t.setString(r, OEM2, q.value(21).toString());
        t.setString(r, OEM3, q.value(22).toString());
        t.setString(r, OEM4, q.value(23).toString());
        t.setString(r, URETICIKODU, q.value(24).toString());
        t.setString(r, DIGERADI, q.value(25).toString());
        t.setString(r, DPKOD, q.value(26).toString());
        t.setString(r, MARKA, q.value(27).toString());
        t.setString(r, MODEL, q.value(28).toString());
        t.setString(r, ANAGRUP, q.value(29).toString());
        t.setString(r, OZELKOD, q.value(30).toString());
        t.setString(r, PKOD, q.value(31).toString());
        t.setInt(r, DURUM, q.value(32).toInt());
        // Only the customer number is known here, so no stock figures.
        t.setFloat(r, KALAN, 0.0);
    }
    return QJsonArray{ctx.table(t, true)};
}

QJsonArray SepetEkle2(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(0));
    const int carino = a.integer(1);
    const double qty = a.number(5);
    if (!callerMayUse(c, carino) || !validQuantity(qty))
        return QJsonArray{0};
    db::Transaction t(ctx.db);
    Offer o;
    if (!offerFor(ctx.db, a.integer(2), carino, &o))
        return QJsonArray{0};
    if (c.representative()) {
        // Representatives may give their own price and discounts.
        if (!(a.number(7) > 0) || !validRates(ratesArg(a)))
            return QJsonArray{0};
        o.price = a.number(7);
        o.rates = ratesArg(a);
    }
    db::run(ctx.db, QStringLiteral(
        "INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, k, sec, veren, tarih)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?)"),
        {carino, a.integer(2), o.barkod, o.adi, qty, o.price, o.vat, o.rates[0], o.rates[1], o.rates[2], o.rates[3],
         o.k, c.user, wire::toDayNumber(QDateTime::currentDateTime())});
    t.commit();
    return QJsonArray{1};
}

QJsonArray SepetGuncelle2(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(0));
    const int carino = a.integer(1);
    const int stokno = a.integer(2);
    const double qty = a.number(5);
    if (!callerMayUse(c, carino) || !validQuantity(qty))
        return QJsonArray{0};
    db::Transaction t(ctx.db);
    // The line is found by its number; the client sends stock number 0.
    const QVariant lineStock = db::scalar(ctx.db, QStringLiteral("SELECT stokno FROM sepet WHERE sirano = ? AND carino = ?"),
                                          {a.integer(10), carino});
    if (!lineStock.isValid() || (stokno != 0 && stokno != lineStock.toInt()))
        return QJsonArray{0};
    if (c.representative()) {
        if (!(a.number(7) > 0) || !validRates(ratesArg(a)))
            return QJsonArray{0};
        const Rates r = ratesArg(a);
        db::run(ctx.db, QStringLiteral("UPDATE sepet SET miktar = ?, birimfiyat = ?, ind1 = ?, ind2 = ?, ind3 = ?, ind4 = ?,"
                                       " veren = ? WHERE sirano = ?"),
                {qty, a.number(7), r[0], r[1], r[2], r[3], c.user, a.integer(10)});
    } else {
        // Customers change the quantity only; price and discounts stay the server's.
        db::run(ctx.db, QStringLiteral("UPDATE sepet SET miktar = ?, veren = ? WHERE sirano = ?"), {qty, c.user, a.integer(10)});
    }
    t.commit();
    return QJsonArray{1};
}

QJsonArray SepetSecimGuncelle(CallContext &ctx, const CallArgs &a)
{
    db::Transaction t(ctx.db);
    db::run(ctx.db, QStringLiteral("UPDATE sepet SET sec = ? WHERE sirano = ?"), {a.integer(1) != 0 ? 1 : 0, a.integer(0)});
    t.commit();
    return QJsonArray{};
}

QJsonArray SepetSatirSil(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(0));
    db::Transaction t(ctx.db);
    QSqlQuery q = db::run(ctx.db, QStringLiteral("DELETE FROM sepet WHERE sirano = ? AND carino = ?"), {a.integer(1), c.carino});
    const int removed = q.numRowsAffected();
    t.commit();
    return QJsonArray{removed};
}

QJsonArray SepetHepsiniSil(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(0));
    db::Transaction t(ctx.db);
    QSqlQuery q = db::run(ctx.db, QStringLiteral("DELETE FROM sepet WHERE carino = ?"), {c.carino});
    const int removed = q.numRowsAffected();
    t.commit();
    return QJsonArray{removed};
}

} // namespace handlers
