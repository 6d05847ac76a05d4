#include "proxy.h"

#include "errors.h"
#include "methods.h"

#include <QBuffer>

struct TServerMethods1Client::Command {
    const MethodSignature *signature = nullptr;
    QString text;                 // "TServerMethods1.<method>"
    std::shared_ptr<void> result; // what the last execution returned
};

TServerMethods1Client::TServerMethods1Client(DSConnection *connection)
    : m_connection(connection)
{
}

TServerMethods1Client::~TServerMethods1Client() = default;

TServerMethods1Client::Command &TServerMethods1Client::command(const QString &method)
{
    auto it = m_commands.find(method);
    if (it == m_commands.end()) {
        // Prepared once per proxy, on first use.
        auto c = std::make_shared<Command>();
        c->text = commandText(method);
        c->signature = findMethod(c->text);
        it = m_commands.insert(method, c);
    }
    return **it;
}

QJsonArray TServerMethods1Client::execute(const QString &method, const QJsonArray &params)
{
    Command &c = command(method);
    c.result.reset();
    DSConnection::Reply reply = m_connection->call(c.text, params);
    m_tables = std::move(reply.tables);
    const QJsonArray out = reply.result;
    const int expected = c.signature ? int(c.signature->outs.size()) + (c.signature->result != ParamType::None ? 1 : 0) : -1;
    if (expected >= 0 && out.size() != expected)
        throw ConversionError(QStringLiteral("%1: beklenmeyen sonuç sayısı").arg(c.text));
    return out;
}

QJsonValue TServerMethods1Client::session(std::unique_ptr<TSonucBilgisi> &s)
{
    ObjectWriter w;
    const QJsonValue v = w.write(s.get());
    s.reset(); // the proxy frees what it is given
    return v;
}

qint64 TServerMethods1Client::outInt64(const QJsonArray &out, int i)
{
    qint64 v = 0;
    if (!wire::readInt64(out.at(i), &v))
        throw ConversionError(QStringLiteral("Int64 değer bekleniyordu"));
    return v;
}

qint32 TServerMethods1Client::resultInt32(const QJsonArray &out, int i)
{
    qint32 v = 0;
    if (!wire::readInt32(out.at(i), &v))
        throw ConversionError(QStringLiteral("Tamsayı sonuç bekleniyordu"));
    return v;
}

QString TServerMethods1Client::resultString(const QJsonArray &out, int i)
{
    QString v;
    if (!wire::readString(out.at(i), &v))
        throw ConversionError(QStringLiteral("Metin sonuç bekleniyordu"));
    return v;
}

bool TServerMethods1Client::resultBool(const QJsonArray &out, int i)
{
    bool v = false;
    if (!wire::readBool(out.at(i), &v))
        throw ConversionError(QStringLiteral("Mantıksal sonuç bekleniyordu"));
    return v;
}

TableData *TServerMethods1Client::resultTable(const QString &method, const QJsonArray &out, int i, bool dataPacket)
{
    auto t = std::make_shared<TableData>();
    bool isPacket = false;
    const QJsonObject placeholder = out.at(i).toObject();
    const qsizetype index = qsizetype(placeholder.value("$table").toDouble(-1));
    if (index >= 0 && size_t(index) < m_tables.size()) {
        // Read apart from the rest of the reply, straight into a table.
        *t = std::move(m_tables[size_t(index)]);
        isPacket = placeholder.value("kind").toString() == QLatin1String("datapacket");
    } else {
        QString error;
        if (!wire::decodeTable(out.at(i), t.get(), &isPacket, &error))
            throw ConversionError(error);
    }
    if (isPacket != dataPacket)
        throw ConversionError(QStringLiteral("%1: beklenmeyen tablo türü").arg(method));
    command(method).result = t;
    return t.get();
}

QIODevice *TServerMethods1Client::resultStream(const QString &method, const QJsonArray &out, int i)
{
    QByteArray bytes;
    QString error;
    if (!wire::decodeStream(out.at(i), &bytes, &error))
        throw ConversionError(error);
    auto buffer = std::make_shared<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    command(method).result = buffer;
    return buffer.get();
}

template <class T>
T *TServerMethods1Client::resultObject(const QString &method, const QJsonArray &out, int i)
{
    ObjectReader r;
    std::unique_ptr<T> obj;
    QString error;
    if (!r.read(out.at(i), &obj, &error))
        throw ConversionError(error);
    std::shared_ptr<T> held(std::move(obj));
    command(method).result = held;
    return held.get();
}

TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    const QJsonArray out = execute(QStringLiteral("BuyukGetir"), QJsonArray{idsi});
    return resultObject<TSonucBilgisi>(QStringLiteral("BuyukGetir"), out, 0);
}

TableData *TServerMethods1Client::KampanyaliVer2(qint32 cario, qint32 satici)
{
    const QJsonArray out = execute(QStringLiteral("KampanyaliVer2"), QJsonArray{cario, satici});
    return resultTable(QStringLiteral("KampanyaliVer2"), out, 0, true);
}

TableData *TServerMethods1Client::StokAraGetir(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi)
{
    const QJsonArray out = execute(QStringLiteral("StokAraGetir"), QJsonArray{kod, session(bilgi)});
    return resultTable(QStringLiteral("StokAraGetir"), out, 0, true);
}

TableData *TServerMethods1Client::YenilerVer2(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("YenilerVer2"), QJsonArray{carino});
    return resultTable(QStringLiteral("YenilerVer2"), out, 0, true);
}

qint32 TServerMethods1Client::SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, qint32 carino, qint32 stokno, const QString &barkod, const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid, qint32 k, double ind2, double ind3, double ind4)
{
    const QJsonArray out = execute(QStringLiteral("SepetEkle2"), QJsonArray{session(bilgim), carino, stokno, barkod, stokadi, wire::writeDouble(miktar), wire::writeDouble(kdv), wire::writeDouble(fiyat), wire::writeDouble(ind1), verenid, k, wire::writeDouble(ind2), wire::writeDouble(ind3), wire::writeDouble(ind4)});
    return resultInt32(out, 0);
}

qint32 TServerMethods1Client::SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, qint32 carino, qint32 stokno, const QString &barkod, const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid, qint32 _sepetsirano, double ind2, double ind3, double ind4)
{
    const QJsonArray out = execute(QStringLiteral("SepetGuncelle2"), QJsonArray{session(bilgim), carino, stokno, barkod, stokadi, wire::writeDouble(miktar), wire::writeDouble(kdv), wire::writeDouble(fiyat), wire::writeDouble(ind1), verenid, _sepetsirano, wire::writeDouble(ind2), wire::writeDouble(ind3), wire::writeDouble(ind4)});
    return resultInt32(out, 0);
}

QIODevice *TServerMethods1Client::ResimVer5(qint32 stokno, qint64 &boy)
{
    const QJsonArray out = execute(QStringLiteral("ResimVer5"), QJsonArray{stokno});
    boy = outInt64(out, 0);
    return resultStream(QStringLiteral("ResimVer5"), out, 1);
}

qint32 TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi)
{
    const QJsonArray out = execute(QStringLiteral("SepetHepsiniSil"), QJsonArray{session(bilgi)});
    return resultInt32(out, 0);
}

qint32 TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, qint32 satirno, const QString &aciklamam)
{
    const QJsonArray out = execute(QStringLiteral("SepetSatirSil"), QJsonArray{session(bilgi), satirno, aciklamam});
    return resultInt32(out, 0);
}

void TServerMethods1Client::SepetSecimGuncelle(qint32 sirano, qint32 secim)
{
    const QJsonArray out = execute(QStringLiteral("SepetSecimGuncelle"), QJsonArray{sirano, secim});
}

TableData *TServerMethods1Client::SepetVer2(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("SepetVer2"), QJsonArray{carino});
    return resultTable(QStringLiteral("SepetVer2"), out, 0, true);
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("CariVadeGunGecmismiBul"), QJsonArray{carino});
    return resultString(out, 0);
}

TableData *TServerMethods1Client::KargoVer()
{
    const QJsonArray out = execute(QStringLiteral("KargoVer"), QJsonArray{});
    return resultTable(QStringLiteral("KargoVer"), out, 0, false);
}

TableData *TServerMethods1Client::KargolarVer(qint32 gn)
{
    const QJsonArray out = execute(QStringLiteral("KargolarVer"), QJsonArray{gn});
    return resultTable(QStringLiteral("KargolarVer"), out, 0, false);
}

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, qint32 _carino, qint32 _teslim, qint32 _kargo, const QString &_aciklama, qint32 _verenid, qint32 _kargoyeni)
{
    const QJsonArray out = execute(QStringLiteral("SiparisKaydet"), QJsonArray{session(BB), _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni});
    return resultBool(out, 0);
}

TableData *TServerMethods1Client::TeslimVer()
{
    const QJsonArray out = execute(QStringLiteral("TeslimVer"), QJsonArray{});
    return resultTable(QStringLiteral("TeslimVer"), out, 0, false);
}

TableData *TServerMethods1Client::OncekiSiparisler(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("OncekiSiparisler"), QJsonArray{carino});
    return resultTable(QStringLiteral("OncekiSiparisler"), out, 0, false);
}

TableData *TServerMethods1Client::SiparisAyrintisi2(qint32 carino, qint32 idnosu)
{
    const QJsonArray out = execute(QStringLiteral("SiparisAyrintisi2"), QJsonArray{carino, idnosu});
    return resultTable(QStringLiteral("SiparisAyrintisi2"), out, 0, false);
}

TableData *TServerMethods1Client::TumSiparislerVer(qint32 carino, qint32 stokno)
{
    const QJsonArray out = execute(QStringLiteral("TumSiparislerVer"), QJsonArray{carino, stokno});
    return resultTable(QStringLiteral("TumSiparislerVer"), out, 0, false);
}

TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(qint32 carino, qint32 siranosu)
{
    const QJsonArray out = execute(QStringLiteral("SiparisAytintisiDip"), QJsonArray{carino, siranosu});
    return resultObject<TSiparisDipAyrinti>(QStringLiteral("SiparisAytintisiDip"), out, 0);
}

TableData *TServerMethods1Client::CariEkstreVer(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("CariEkstreVer"), QJsonArray{carino});
    return resultTable(QStringLiteral("CariEkstreVer"), out, 0, false);
}

TableData *TServerMethods1Client::FaturaAltGetir(qint32 idnosu)
{
    const QJsonArray out = execute(QStringLiteral("FaturaAltGetir"), QJsonArray{idnosu});
    return resultTable(QStringLiteral("FaturaAltGetir"), out, 0, false);
}

TableData *TServerMethods1Client::FaturaGetir(qint32 carino, qint32 idnosu)
{
    const QJsonArray out = execute(QStringLiteral("FaturaGetir"), QJsonArray{carino, idnosu});
    return resultTable(QStringLiteral("FaturaGetir"), out, 0, false);
}

QIODevice *TServerMethods1Client::SAnalPosPdfVer(qint32 sirano, qint64 &boy)
{
    const QJsonArray out = execute(QStringLiteral("SAnalPosPdfVer"), QJsonArray{sirano});
    boy = outInt64(out, 0);
    return resultStream(QStringLiteral("SAnalPosPdfVer"), out, 1);
}

qint32 TServerMethods1Client::SanalposSiranoVer(qint32 idnosu)
{
    const QJsonArray out = execute(QStringLiteral("SanalposSiranoVer"), QJsonArray{idnosu});
    return resultInt32(out, 0);
}

TableData *TServerMethods1Client::Tahsilat(qint32 idnosu)
{
    const QJsonArray out = execute(QStringLiteral("Tahsilat"), QJsonArray{idnosu});
    return resultTable(QStringLiteral("Tahsilat"), out, 0, false);
}

qint32 TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet, double Bakiye, const QString &barkod)
{
    const QJsonArray out = execute(QStringLiteral("BakiyeDegistir"), QJsonArray{session(k), stokno, sepetsirano, siparissirano, wire::writeDouble(Adet), wire::writeDouble(Bakiye), barkod});
    return resultInt32(out, 0);
}

qint32 TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet, double Bakiye, const QString &barkod)
{
    const QJsonArray out = execute(QStringLiteral("BakiyeDuzenle"), QJsonArray{session(k), stokno, sepetsirano, siparissirano, wire::writeDouble(Adet), wire::writeDouble(Bakiye), barkod});
    return resultInt32(out, 0);
}

qint32 TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet, double Bakiye, const QString &barkod, double fiyat, double ind)
{
    const QJsonArray out = execute(QStringLiteral("BakiyeFiyatDegistir"), QJsonArray{session(k), stokno, sepetsirano, siparissirano, wire::writeDouble(Adet), wire::writeDouble(Bakiye), barkod, wire::writeDouble(fiyat), wire::writeDouble(ind)});
    return resultInt32(out, 0);
}

TableData *TServerMethods1Client::BakiyelerVer2(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("BakiyelerVer2"), QJsonArray{carino});
    return resultTable(QStringLiteral("BakiyelerVer2"), out, 0, false);
}

TableData *TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2)
{
    const QJsonArray out = execute(QStringLiteral("RaporAlinanSiparisler"), QJsonArray{session(bilgi), wire::writeDouble(tarih1), wire::writeDouble(tarih2)});
    return resultTable(QStringLiteral("RaporAlinanSiparisler"), out, 0, false);
}

TableData *TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2)
{
    const QJsonArray out = execute(QStringLiteral("RaporEnCokSatilanStoklar"), QJsonArray{session(bilgi), wire::writeDouble(tarih1), wire::writeDouble(tarih2)});
    return resultTable(QStringLiteral("RaporEnCokSatilanStoklar"), out, 0, false);
}

QString TServerMethods1Client::CariDurumVer(qint32 carino)
{
    const QJsonArray out = execute(QStringLiteral("CariDurumVer"), QJsonArray{carino});
    return resultString(out, 0);
}

TableData *TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString &aranan)
{
    const QJsonArray out = execute(QStringLiteral("CariAra"), QJsonArray{session(bil), aranan});
    return resultTable(QStringLiteral("CariAra"), out, 0, false);
}

TableData *TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, qint32 n)
{
    const QJsonArray out = execute(QStringLiteral("CariSepetVer"), QJsonArray{session(bil), n});
    return resultTable(QStringLiteral("CariSepetVer"), out, 0, false);
}

QIODevice *TServerMethods1Client::RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino, const QString &saticiadi, double tarih1, double tarih2, qint64 &size)
{
    const QJsonArray out = execute(QStringLiteral("RaporGetir"), QJsonArray{raporno, bolum, idno, carino, saticiadi, wire::writeDouble(tarih1), wire::writeDouble(tarih2)});
    size = outInt64(out, 0);
    return resultStream(QStringLiteral("RaporGetir"), out, 1);
}

qint32 TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil)
{
    const QJsonArray out = execute(QStringLiteral("SepetSayisi"), QJsonArray{session(bil)});
    return resultInt32(out, 0);
}

TTusSonuclari *TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil)
{
    const QJsonArray out = execute(QStringLiteral("TusSonuclariVer"), QJsonArray{session(bil)});
    return resultObject<TTusSonuclari>(QStringLiteral("TusSonuclariVer"), out, 0);
}

TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2()
{
    const QJsonArray out = execute(QStringLiteral("AcilisEkranlarVer2"), QJsonArray{});
    return resultObject<TAcilisEkranlariki>(QStringLiteral("AcilisEkranlarVer2"), out, 0);
}

TableData *TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil)
{
    const QJsonArray out = execute(QStringLiteral("BalonGetir"), QJsonArray{session(bil)});
    return resultTable(QStringLiteral("BalonGetir"), out, 0, false);
}

QString TServerMethods1Client::KayanYaziGetir()
{
    const QJsonArray out = execute(QStringLiteral("KayanYaziGetir"), QJsonArray{});
    return resultString(out, 0);
}

TAcilisEkran *TServerMethods1Client::AcilisREklamVer(qint32 sira)
{
    const QJsonArray out = execute(QStringLiteral("AcilisREklamVer"), QJsonArray{sira});
    return resultObject<TAcilisEkran>(QStringLiteral("AcilisREklamVer"), out, 0);
}

qint32 TServerMethods1Client::AcilisReklamAdet()
{
    const QJsonArray out = execute(QStringLiteral("AcilisReklamAdet"), QJsonArray{});
    return resultInt32(out, 0);
}

QIODevice *TServerMethods1Client::BannerResimVer(qint64 &size)
{
    const QJsonArray out = execute(QStringLiteral("BannerResimVer"), QJsonArray{});
    size = outInt64(out, 0);
    return resultStream(QStringLiteral("BannerResimVer"), out, 1);
}

QIODevice *TServerMethods1Client::BannerResimVer2(qint64 &size)
{
    const QJsonArray out = execute(QStringLiteral("BannerResimVer2"), QJsonArray{});
    size = outInt64(out, 0);
    return resultStream(QStringLiteral("BannerResimVer2"), out, 1);
}

QIODevice *TServerMethods1Client::BannerResimVer3(qint64 &size)
{
    const QJsonArray out = execute(QStringLiteral("BannerResimVer3"), QJsonArray{});
    size = outInt64(out, 0);
    return resultStream(QStringLiteral("BannerResimVer3"), out, 1);
}

qint32 TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon, const QString &fax, const QString &vd, const QString &vn, const QString &yetkili, const QString &kullaniciadi, const QString &sifre, const QString &mail, const QString &kargoambar)
{
    const QJsonArray out = execute(QStringLiteral("MailGonserCari"), QJsonArray{idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar});
    return resultInt32(out, 0);
}

qint32 TServerMethods1Client::MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon, const QString &fax, const QString &vd, const QString &vn, const QString &yetkili, const QString &kullaniciadi, const QString &sifre, const QString &mail, const QString &kargoambar, const QString &konu)
{
    const QJsonArray out = execute(QStringLiteral("MailGonserCariNormal"), QJsonArray{idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu});
    return resultInt32(out, 0);
}

TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(qint32 sirano, const QString &_idsi)
{
    const QJsonArray out = execute(QStringLiteral("MobilCariBilgisiGetir"), QJsonArray{sirano, _idsi});
    return resultObject<TMobilCariBilgisi>(QStringLiteral("MobilCariBilgisiGetir"), out, 0);
}
