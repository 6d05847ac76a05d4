#include "handlers.h"

#include <QJsonObject>
#include <tabledata.h>
#include <wire.h>

// The only place that binds command texts to code.
const QHash<QString, Handler> &handlerTable()
{
    using namespace handlers;
    static const QHash<QString, Handler> table = {
        {QStringLiteral("BuyukGetir"), &BuyukGetir},
        {QStringLiteral("MobilCariBilgisiGetir"), &MobilCariBilgisiGetir},
        {QStringLiteral("CariVadeGunGecmismiBul"), &CariVadeGunGecmismiBul},
        {QStringLiteral("StokAraGetir"), &StokAraGetir},
        {QStringLiteral("YenilerVer2"), &YenilerVer2},
        {QStringLiteral("KampanyaliVer2"), &KampanyaliVer2},
        {QStringLiteral("ResimVer5"), &ResimVer5},
        {QStringLiteral("SepetVer2"), &SepetVer2},
        {QStringLiteral("SepetEkle2"), &SepetEkle2},
        {QStringLiteral("SepetGuncelle2"), &SepetGuncelle2},
        {QStringLiteral("SepetSecimGuncelle"), &SepetSecimGuncelle},
        {QStringLiteral("SepetSatirSil"), &SepetSatirSil},
        {QStringLiteral("SepetHepsiniSil"), &SepetHepsiniSil},
        {QStringLiteral("TeslimVer"), &TeslimVer},
        {QStringLiteral("KargoVer"), &KargoVer},
        {QStringLiteral("KargolarVer"), &KargolarVer},
        {QStringLiteral("SiparisKaydet"), &SiparisKaydet},
        {QStringLiteral("SepetSayisi"), &SepetSayisi},
        {QStringLiteral("KayanYaziGetir"), &KayanYaziGetir},
        {QStringLiteral("AcilisReklamAdet"), &AcilisReklamAdet},
        {QStringLiteral("AcilisEkranlarVer2"), &AcilisEkranlarVer2},
    };
    return table;
}

QJsonValue CallContext::table(const TableData &t, bool dataPacket)
{
    tables.push_back(wire::encodeTableText(t, dataPacket));
    return QJsonObject{{"$table", double(tables.size() - 1)}};
}
