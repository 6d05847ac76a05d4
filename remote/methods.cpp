#include "methods.h"

const std::vector<MethodSignature> &serverMethods()
{
    using P = ParamType;
    static const std::vector<MethodSignature> all = {
        {"BuyukGetir", {"idsi"}, {P::String}, {}, P::Object, "baglantiu.TSonucBilgisi"},
        {"KampanyaliVer2", {"cario", "satici"}, {P::Integer, P::Integer}, {}, P::DataPacket, ""},
        {"StokAraGetir", {"kod", "bilgi"}, {P::String, P::Session}, {}, P::DataPacket, ""},
        {"YenilerVer2", {"carino"}, {P::Integer}, {}, P::DataPacket, ""},
        {"SepetEkle2", {"bilgim", "carino", "stokno", "barkod", "stokadi", "miktar", "kdv", "fiyat", "ind1", "verenid", "k", "ind2", "ind3", "ind4"}, {P::Session, P::Integer, P::Integer, P::String, P::String, P::Double, P::Double, P::Double, P::Double, P::Integer, P::Integer, P::Double, P::Double, P::Double}, {}, P::Integer, ""},
        {"SepetGuncelle2", {"bilgim", "carino", "stokno", "barkod", "stokadi", "miktar", "kdv", "fiyat", "ind1", "verenid", "_sepetsirano", "ind2", "ind3", "ind4"}, {P::Session, P::Integer, P::Integer, P::String, P::String, P::Double, P::Double, P::Double, P::Double, P::Integer, P::Integer, P::Double, P::Double, P::Double}, {}, P::Integer, ""},
        {"ResimVer5", {"stokno", "boy"}, {P::Integer}, {P::Int64}, P::Stream, ""},
        {"SepetHepsiniSil", {"bilgi"}, {P::Session}, {}, P::Integer, ""},
        {"SepetSatirSil", {"bilgi", "satirno", "aciklamam"}, {P::Session, P::Integer, P::String}, {}, P::Integer, ""},
        {"SepetSecimGuncelle", {"sirano", "secim"}, {P::Integer, P::Integer}, {}, P::None, ""},
        {"SepetVer2", {"carino"}, {P::Integer}, {}, P::DataPacket, ""},
        {"CariVadeGunGecmismiBul", {"carino"}, {P::Integer}, {}, P::String, ""},
        {"KargoVer", {}, {}, {}, P::Reader, ""},
        {"KargolarVer", {"gn"}, {P::Integer}, {}, P::Reader, ""},
        {"SiparisKaydet", {"BB", "_carino", "_teslim", "_kargo", "_aciklama", "_verenid", "_kargoyeni"}, {P::Session, P::Integer, P::Integer, P::Integer, P::String, P::Integer, P::Integer}, {}, P::Boolean, ""},
        {"TeslimVer", {}, {}, {}, P::Reader, ""},
        {"OncekiSiparisler", {"carino"}, {P::Integer}, {}, P::Reader, ""},
        {"SiparisAyrintisi2", {"carino", "idnosu"}, {P::Integer, P::Integer}, {}, P::Reader, ""},
        {"TumSiparislerVer", {"carino", "stokno"}, {P::Integer, P::Integer}, {}, P::Reader, ""},
        {"SiparisAytintisiDip", {"carino", "siranosu"}, {P::Integer, P::Integer}, {}, P::Object, "baglantiu.TSiparisDipAyrinti"},
        {"CariEkstreVer", {"carino"}, {P::Integer}, {}, P::Reader, ""},
        {"FaturaAltGetir", {"idnosu"}, {P::Integer}, {}, P::Reader, ""},
        {"FaturaGetir", {"carino", "idnosu"}, {P::Integer, P::Integer}, {}, P::Reader, ""},
        {"SAnalPosPdfVer", {"sirano", "boy"}, {P::Integer}, {P::Int64}, P::Stream, ""},
        {"SanalposSiranoVer", {"idnosu"}, {P::Integer}, {}, P::Integer, ""},
        {"Tahsilat", {"idnosu"}, {P::Integer}, {}, P::Reader, ""},
        {"BakiyeDegistir", {"k", "stokno", "sepetsirano", "siparissirano", "Adet", "Bakiye", "barkod"}, {P::Session, P::Integer, P::Integer, P::Integer, P::Double, P::Double, P::String}, {}, P::Integer, ""},
        {"BakiyeDuzenle", {"k", "stokno", "sepetsirano", "siparissirano", "Adet", "Bakiye", "barkod"}, {P::Session, P::Integer, P::Integer, P::Integer, P::Double, P::Double, P::String}, {}, P::Integer, ""},
        {"BakiyeFiyatDegistir", {"k", "stokno", "sepetsirano", "siparissirano", "Adet", "Bakiye", "barkod", "fiyat", "ind"}, {P::Session, P::Integer, P::Integer, P::Integer, P::Double, P::Double, P::String, P::Double, P::Double}, {}, P::Integer, ""},
        {"BakiyelerVer2", {"carino"}, {P::Integer}, {}, P::Reader, ""},
        {"RaporAlinanSiparisler", {"bilgi", "tarih1", "tarih2"}, {P::Session, P::Double, P::Double}, {}, P::Reader, ""},
        {"RaporEnCokSatilanStoklar", {"bilgi", "tarih1", "tarih2"}, {P::Session, P::Double, P::Double}, {}, P::Reader, ""},
        {"CariDurumVer", {"carino"}, {P::Integer}, {}, P::String, ""},
        {"CariAra", {"bil", "aranan"}, {P::Session, P::String}, {}, P::Reader, ""},
        {"CariSepetVer", {"bil", "n"}, {P::Session, P::Integer}, {}, P::Reader, ""},
        {"RaporGetir", {"raporno", "bolum", "idno", "carino", "saticiadi", "tarih1", "tarih2", "size"}, {P::Integer, P::Integer, P::Integer, P::Integer, P::String, P::Double, P::Double}, {P::Int64}, P::Stream, ""},
        {"SepetSayisi", {"bil"}, {P::Session}, {}, P::Integer, ""},
        {"TusSonuclariVer", {"bil"}, {P::Session}, {}, P::Object, "baglantiu.TTusSonuclari"},
        {"AcilisEkranlarVer2", {}, {}, {}, P::Object, "mobilstokunit.TAcilisEkranlariki"},
        {"BalonGetir", {"bil"}, {P::Session}, {}, P::Reader, ""},
        {"KayanYaziGetir", {}, {}, {}, P::String, ""},
        {"AcilisREklamVer", {"sira"}, {P::Integer}, {}, P::Object, "mobilstokunit.TAcilisEkran"},
        {"AcilisReklamAdet", {}, {}, {}, P::Integer, ""},
        {"BannerResimVer", {"size"}, {}, {P::Int64}, P::Stream, ""},
        {"BannerResimVer2", {"size"}, {}, {P::Int64}, P::Stream, ""},
        {"BannerResimVer3", {"size"}, {}, {P::Int64}, P::Stream, ""},
        {"MailGonserCari", {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon", "fax", "vd", "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar"}, {P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String}, {}, P::Integer, ""},
        {"MailGonserCariNormal", {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon", "fax", "vd", "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar", "konu"}, {P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String, P::String}, {}, P::Integer, ""},
        {"MobilCariBilgisiGetir", {"sirano", "_idsi"}, {P::Integer, P::String}, {}, P::Object, "mobilstokunit.TMobilCariBilgisi"},
    };
    return all;
}

QString commandText(const QString &method)
{
    return QStringLiteral("TServerMethods1.") + method;
}

const MethodSignature *findMethod(const QString &command)
{
    const QString name = command.startsWith(QLatin1String("TServerMethods1."))
        ? command.mid(int(sizeof("TServerMethods1.")) - 1) : command;
    for (const MethodSignature &m : serverMethods())
        if (m.name == name)
            return &m;
    return nullptr;
}
