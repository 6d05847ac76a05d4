// Login record, customer card and the overdue-balance warning.
#include "database.h"
#include "handlers.h"
#include "pricing.h"

#include <QLocale>
#include <baglantiu.h>
#include <mobilstokunit.h>

namespace handlers {

namespace {

QString tl(double amount)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    return tr.toString(amount, 'f', 2);
}

} // namespace

QJsonArray BuyukGetir(CallContext &ctx, const CallArgs &a)
{
    const QString id = a.text(0);
    TSonucBilgisi s;
    s.setBILGISAYARID(id);
    // The version is set for unknown workstations too: the client checks it first.
    s.setVersion(db::setting(ctx.db, QStringLiteral("beklenensurum"), QStringLiteral("8")).toInt());
    QSqlQuery q = db::run(ctx.db, QStringLiteral(
        "SELECT k.sirano, k.adi, k.sifre, k.carino, k.musteritipi, k.aktif, k.mail, c.carikod, c.cariadi,"
        " s.saticino, s.adi, s.telefon, s.mail"
        " FROM bilgisayar b JOIN kullanici k ON k.sirano = b.kullanici JOIN cari c ON c.carino = k.carino"
        " JOIN satici s ON s.saticino = COALESCE(k.saticino, c.saticino)"
        " WHERE b.bilgisayarid = ?"), {id});
    if (!id.isEmpty() && q.next()) {
        s.setVarmi(true);
        s.setSirano(q.value(0).toInt());
        s.setADI(q.value(1).toString());
        s.setSIFRE(q.value(2).toString());
        s.setCARINO(q.value(3).toInt());
        s.setMusteriTipi(q.value(4).toInt());
        s.setAKTIF(q.value(5).toInt());
        s.setKullanicimail(q.value(6).toString());
        s.setcarikod(q.value(7).toString());
        s.setCariAdi(q.value(8).toString());
        s.setSaticiNo(q.value(9).toInt());
        s.setSaticiAdi(q.value(10).toString());
        s.setSaticiTelefon(q.value(11).toString());
        s.setSaticiMail(q.value(12).toString());
    }
    ObjectWriter w;
    return QJsonArray{w.write(&s)};
}

QJsonArray MobilCariBilgisiGetir(CallContext &ctx, const CallArgs &a)
{
    const QString id = a.text(1);
    QSqlQuery q = db::run(ctx.db, QStringLiteral(
        "SELECT c.carino, c.carikod, c.cariadi, c.sehir, c.ilce, c.adres1, c.adres2, c.ulke, c.tel1, c.tel2, c.gsm,"
        " c.fax1, c.fax2, c.email, c.mail, c.yetkili, c.vergidairesi, c.vergino, c.anagrup, c.altgrup, c.ozelkod,"
        " c.tlborc, c.tlalacak, k.adi, k.sifre, s.adi, s.telefon, s.mail"
        " FROM bilgisayar b JOIN kullanici k ON k.sirano = b.kullanici JOIN cari c ON c.carino = k.carino"
        " JOIN satici s ON s.saticino = c.saticino WHERE b.bilgisayarid = ?"), {id});
    if (id.isEmpty() || !q.next())
        return QJsonArray{QJsonValue()};
    TMobilCariBilgisi c;
    c.setBILGISAYARID(id);
    c.setCARINO(q.value(0).toInt());
    c.setCARIKOD(q.value(1).toString());
    c.setCARIADI(q.value(2).toString());
    c.setSEHIR(q.value(3).toString());
    c.setILCE(q.value(4).toString());
    c.setADRES1(q.value(5).toString());
    c.setADRES2(q.value(6).toString());
    c.setULKE(q.value(7).toString());
    c.setTEL1(q.value(8).toString());
    c.setTEL2(q.value(9).toString());
    c.setGSM(q.value(10).toString());
    c.setFAX1(q.value(11).toString());
    c.setFAX2(q.value(12).toString());
    c.setEMAIL(q.value(13).toString());
    c.setMAIL(q.value(14).toString());
    c.setYETKILI(q.value(15).toString());
    c.setVERGIDAIRESI(q.value(16).toString());
    c.setVERGINO(q.value(17).toString());
    c.setAnaGrup(q.value(18).toString());
    c.setAltGrup(q.value(19).toString());
    c.setOzelKod(q.value(20).toString());
    c.setTLBORC(q.value(21).toDouble());
    c.setTLALACAK(q.value(22).toDouble());
    c.setTLBAKIYE(round2(q.value(21).toDouble() - q.value(22).toDouble()));
    c.setKULLANICIADI(q.value(23).toString());
    c.setSIFRE(q.value(24).toString());
    c.setSATICIADI(q.value(25).toString());
    c.setSATICITELEFON(q.value(26).toString());
    c.setSATICIMAIL(q.value(27).toString());
    ObjectWriter w;
    return QJsonArray{w.write(&c)};
}

QJsonArray CariVadeGunGecmismiBul(CallContext &ctx, const CallArgs &a)
{
    QSqlQuery q = db::run(ctx.db, QStringLiteral("SELECT vadegecen, vadetutar FROM cari WHERE carino = ?"), {a.integer(0)});
    if (!q.next() || q.value(0).toInt() <= 0 || q.value(1).toDouble() <= 0)
        return QJsonArray{QString()};
    return QJsonArray{QStringLiteral("Vadesi %1 gün geçmiş %2 TL bakiyeniz bulunmaktadır.")
                          .arg(q.value(0).toInt()).arg(tl(q.value(1).toDouble()))};
}

} // namespace handlers
