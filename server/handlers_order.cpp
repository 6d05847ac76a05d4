// Delivery and cargo choices, and turning the selected basket lines into an order.
#include "caller.h"
#include "database.h"
#include "handlers.h"

#include <QDateTime>
#include <baglantiu.h>
#include <tabledata.h>
#include <wire.h>

namespace handlers {

namespace {

QJsonArray choiceReader(CallContext &ctx, const QString &table)
{
    TableData t({{"SIRANO", FieldType::Integer}, {"ADI", FieldType::String}});
    QSqlQuery q = db::run(ctx.db, QStringLiteral("SELECT sirano, adi FROM %1 ORDER BY sira, sirano").arg(table));
    while (q.next()) {
        const int r = t.appendRow();
        t.setInt(r, 0, q.value(0).toInt());
        t.setString(r, 1, q.value(1).toString());
    }
    return QJsonArray{ctx.table(t, false)};
}

} // namespace

QJsonArray TeslimVer(CallContext &ctx, const CallArgs &)
{
    return choiceReader(ctx, QStringLiteral("teslim"));
}

QJsonArray KargoVer(CallContext &ctx, const CallArgs &)
{
    return choiceReader(ctx, QStringLiteral("kargoturu"));
}

QJsonArray KargolarVer(CallContext &ctx, const CallArgs &a)
{
    TableData t({{"SIRANO", FieldType::Integer}, {"ADI", FieldType::String}, {"UYARI", FieldType::String},
                 {"TELEFON", FieldType::String}, {"TURU", FieldType::Integer}});
    QSqlQuery q = db::run(ctx.db, QStringLiteral("SELECT sirano, adi, uyari, telefon, tur FROM kargofirma WHERE tur = ? ORDER BY sirano"),
                          {a.integer(0)});
    while (q.next()) {
        const int r = t.appendRow();
        t.setInt(r, 0, q.value(0).toInt());
        t.setString(r, 1, q.value(1).toString());
        t.setString(r, 2, q.value(2).toString());
        t.setString(r, 3, q.value(3).toString());
        t.setInt(r, 4, q.value(4).toInt());
    }
    return QJsonArray{ctx.table(t, false)};
}

QJsonArray SiparisKaydet(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(0));
    const int carino = a.integer(1);
    const int teslim = a.integer(2);
    const int kargo = a.integer(3);
    const int firma = a.integer(6);
    if (!callerMayUse(c, carino))
        return QJsonArray{false};
    // One transaction: the order header, its lines and the basket removal are
    // stored together or not at all.
    db::Transaction t(ctx.db);
    const bool choicesValid =
        db::scalar(ctx.db, QStringLiteral("SELECT 1 FROM teslim WHERE sirano = ?"), {teslim}).isValid()
        && db::scalar(ctx.db, QStringLiteral("SELECT 1 FROM kargofirma WHERE sirano = ? AND tur = ?"), {firma, kargo}).isValid();
    if (!choicesValid)
        return QJsonArray{false};
    const int lines = db::scalar(ctx.db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = ? AND sec = 1"), {carino}).toInt();
    if (lines == 0)
        return QJsonArray{false};
    QSqlQuery head = db::run(ctx.db, QStringLiteral(
        "INSERT INTO siparis (carino, tarih, teslim, kargoturu, kargofirma, aciklama, veren, satirsayisi)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {carino, wire::toDayNumber(QDateTime::currentDateTime()), teslim, kargo, firma, a.text(4), c.user, lines});
    const qint64 idno = head.lastInsertId().toLongLong();
    db::run(ctx.db, QStringLiteral(
        "INSERT INTO siparissatir (siparis, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, k, veren, sepettarihi)"
        " SELECT ?, stokno, barkod, stokadi, miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, k, veren, tarih"
        " FROM sepet WHERE carino = ? AND sec = 1 ORDER BY sirano"), {idno, carino});
    db::run(ctx.db, QStringLiteral("DELETE FROM sepet WHERE carino = ? AND sec = 1"), {carino});
    t.commit();
    return QJsonArray{true};
}

} // namespace handlers
