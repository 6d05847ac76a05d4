#pragma once
// Client proxy of TServerMethods1: one operation per server method. It owns
// every result it returns (tables, streams, objects) until it is destroyed or
// the same method is called again on it; callers copy what they need first
// (Kopyala, TClientDataSet::loadFrom...). It also frees the session records
// passed to it, so callers always pass a fresh copy.

#include "baglantiu.h"
#include "connection.h"
#include "mobilstokunit.h"
#include "tabledata.h"

#include <QHash>
#include <QIODevice>
#include <QJsonArray>
#include <memory>

class TServerMethods1Client
{
public:
    explicit TServerMethods1Client(DSConnection *connection); // an open connection
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    // How many commands this proxy has prepared (one per method used).
    int preparedCommands() const { return int(m_commands.size()); }

    TSonucBilgisi *BuyukGetir(const QString &idsi);
    TableData *KampanyaliVer2(qint32 cario, qint32 satici);
    TableData *StokAraGetir(const QString &kod, std::unique_ptr<TSonucBilgisi> bilgi);
    TableData *YenilerVer2(qint32 carino);
    qint32 SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, qint32 carino, qint32 stokno, const QString &barkod, const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid, qint32 k, double ind2, double ind3, double ind4);
    qint32 SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, qint32 carino, qint32 stokno, const QString &barkod, const QString &stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid, qint32 _sepetsirano, double ind2, double ind3, double ind4);
    QIODevice *ResimVer5(qint32 stokno, qint64 &boy);
    qint32 SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
    qint32 SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, qint32 satirno, const QString &aciklamam);
    void SepetSecimGuncelle(qint32 sirano, qint32 secim);
    TableData *SepetVer2(qint32 carino);
    QString CariVadeGunGecmismiBul(qint32 carino);
    TableData *KargoVer();
    TableData *KargolarVer(qint32 gn);
    bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, qint32 _carino, qint32 _teslim, qint32 _kargo, const QString &_aciklama, qint32 _verenid, qint32 _kargoyeni);
    TableData *TeslimVer();
    TableData *OncekiSiparisler(qint32 carino);
    TableData *SiparisAyrintisi2(qint32 carino, qint32 idnosu);
    TableData *TumSiparislerVer(qint32 carino, qint32 stokno);
    TSiparisDipAyrinti *SiparisAytintisiDip(qint32 carino, qint32 siranosu);
    TableData *CariEkstreVer(qint32 carino);
    TableData *FaturaAltGetir(qint32 idnosu);
    TableData *FaturaGetir(qint32 carino, qint32 idnosu);
    QIODevice *SAnalPosPdfVer(qint32 sirano, qint64 &boy);
    qint32 SanalposSiranoVer(qint32 idnosu);
    TableData *Tahsilat(qint32 idnosu);
    qint32 BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet, double Bakiye, const QString &barkod);
    qint32 BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet, double Bakiye, const QString &barkod);
    qint32 BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet, double Bakiye, const QString &barkod, double fiyat, double ind);
    TableData *BakiyelerVer2(qint32 carino);
    TableData *RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    TableData *RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    QString CariDurumVer(qint32 carino);
    TableData *CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString &aranan);
    TableData *CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, qint32 n);
    QIODevice *RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino, const QString &saticiadi, double tarih1, double tarih2, qint64 &size);
    qint32 SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
    TTusSonuclari *TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
    TAcilisEkranlariki *AcilisEkranlarVer2();
    TableData *BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
    QString KayanYaziGetir();
    TAcilisEkran *AcilisREklamVer(qint32 sira);
    qint32 AcilisReklamAdet();
    QIODevice *BannerResimVer(qint64 &size);
    QIODevice *BannerResimVer2(qint64 &size);
    QIODevice *BannerResimVer3(qint64 &size);
    qint32 MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon, const QString &fax, const QString &vd, const QString &vn, const QString &yetkili, const QString &kullaniciadi, const QString &sifre, const QString &mail, const QString &kargoambar);
    qint32 MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1, const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon, const QString &fax, const QString &vd, const QString &vn, const QString &yetkili, const QString &kullaniciadi, const QString &sifre, const QString &mail, const QString &kargoambar, const QString &konu);
    TMobilCariBilgisi *MobilCariBilgisiGetir(qint32 sirano, const QString &_idsi);

private:
    struct Command; // prepared command and the result it holds
    Command &command(const QString &method);
    QJsonArray execute(const QString &method, const QJsonArray &params);
    std::vector<TableData> m_tables; // tables of the last reply, read apart
    static QJsonValue session(std::unique_ptr<TSonucBilgisi> &s);
    static qint64 outInt64(const QJsonArray &out, int i);
    static qint32 resultInt32(const QJsonArray &out, int i);
    static QString resultString(const QJsonArray &out, int i);
    static bool resultBool(const QJsonArray &out, int i);
    TableData *resultTable(const QString &method, const QJsonArray &out, int i, bool dataPacket);
    QIODevice *resultStream(const QString &method, const QJsonArray &out, int i);
    template <class T>
    T *resultObject(const QString &method, const QJsonArray &out, int i);

    DSConnection *m_connection;
    QHash<QString, std::shared_ptr<Command>> m_commands;
};
