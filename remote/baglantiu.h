#pragma once
// Session record and order objects; module name "baglantiu" on the wire.

#include "objectform.h"

#include <QString>

// Session record: who is logged in, for which customer, from which workstation.
class TSonucBilgisi
{
public:
    static const QString kType; // "baglantiu.TSonucBilgisi"
    TSonucBilgisi() = default;
    static std::span<const WireField<TSonucBilgisi>> wireFields();
    void Kopyala(const TSonucBilgisi &source) { *this = source; }

    qint32 Sirano() const { return FSirano; }
    void setSirano(qint32 v) { FSirano = v; }
    const QString &BILGISAYARID() const { return FBILGISAYARID; }
    void setBILGISAYARID(const QString &v) { FBILGISAYARID = v; }
    const QString &ADI() const { return FADI; }
    void setADI(const QString &v) { FADI = v; }
    const QString &SIFRE() const { return FSIFRE; }
    void setSIFRE(const QString &v) { FSIFRE = v; }
    qint32 CARINO() const { return FCARINO; }
    void setCARINO(qint32 v) { FCARINO = v; }
    qint32 AKTIF() const { return FAKTIF; }
    void setAKTIF(qint32 v) { FAKTIF = v; }
    const QString &Kullanicimail() const { return FKullanicimail; }
    void setKullanicimail(const QString &v) { FKullanicimail = v; }
    const QString &carikod() const { return Fcarikod; }
    void setcarikod(const QString &v) { Fcarikod = v; }
    const QString &CariAdi() const { return FCariAdi; }
    void setCariAdi(const QString &v) { FCariAdi = v; }
    qint32 SaticiNo() const { return FSaticiNo; }
    void setSaticiNo(qint32 v) { FSaticiNo = v; }
    const QString &SaticiTelefon() const { return FSaticiTelefon; }
    void setSaticiTelefon(const QString &v) { FSaticiTelefon = v; }
    const QString &SaticiMail() const { return FSaticiMail; }
    void setSaticiMail(const QString &v) { FSaticiMail = v; }
    bool Varmi() const { return FVarmi; }
    void setVarmi(bool v) { FVarmi = v; }
    const QString &SaticiAdi() const { return FSaticiAdi; }
    void setSaticiAdi(const QString &v) { FSaticiAdi = v; }
    const QString &BilgiSayarAdi() const { return FBilgiSayarAdi; }
    void setBilgiSayarAdi(const QString &v) { FBilgiSayarAdi = v; }
    const QString &Disip() const { return FDisip; }
    void setDisip(const QString &v) { FDisip = v; }
    const QString &Icip() const { return FIcip; }
    void setIcip(const QString &v) { FIcip = v; }
    const QString &BilgisayarKullanici() const { return FBilgisayarKullanici; }
    void setBilgisayarKullanici(const QString &v) { FBilgisayarKullanici = v; }
    qint32 MusteriTipi() const { return FMusteriTipi; }
    void setMusteriTipi(qint32 v) { FMusteriTipi = v; }
    qint32 Version() const { return FVersion; }
    void setVersion(qint32 v) { FVersion = v; }

private:
    QString FBILGISAYARID;
    QString FSaticiMail;
    qint32 FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    qint32 FSaticiNo = 0;
    qint32 FCARINO = 0;
    qint32 FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    qint32 FMusteriTipi = 1;
    qint32 FVersion = 1;
};

// Order footer: notes and shipping terms of one order.
class TSiparisDipAyrinti
{
public:
    static const QString kType; // "baglantiu.TSiparisDipAyrinti"
    TSiparisDipAyrinti() = default;
    static std::span<const WireField<TSiparisDipAyrinti>> wireFields();
    void Kopyala(const TSiparisDipAyrinti &source) { *this = source; }

    const QString &SizinMesaj() const { return FSizinMesaj; }
    void setSizinMesaj(const QString &v) { FSizinMesaj = v; }
    const QString &Durumu() const { return FDurumu; }
    void setDurumu(const QString &v) { FDurumu = v; }
    const QString &Veren() const { return FVeren; }
    void setVeren(const QString &v) { FVeren = v; }
    const QString &Kargo() const { return FKargo; }
    void setKargo(const QString &v) { FKargo = v; }
    const QString &BizimMesaj() const { return FBizimMesaj; }
    void setBizimMesaj(const QString &v) { FBizimMesaj = v; }
    const QString &TeslimCinsi() const { return FTeslimCinsi; }
    void setTeslimCinsi(const QString &v) { FTeslimCinsi = v; }
    const QString &KargoCinsi() const { return FKargoCinsi; }
    void setKargoCinsi(const QString &v) { FKargoCinsi = v; }
    const QString &SaticiNotu() const { return FSaticiNotu; }
    void setSaticiNotu(const QString &v) { FSaticiNotu = v; }

private:
    QString FSizinMesaj;
    QString FDurumu;
    QString FVeren;
    QString FKargo;
    QString FBizimMesaj;
    QString FTeslimCinsi;
    QString FKargoCinsi;
    QString FSaticiNotu;
};

// Order-status counters of the representative's board.
class TTusSonuclari
{
public:
    static const QString kType; // "baglantiu.TTusSonuclari"
    TTusSonuclari() = default;
    static std::span<const WireField<TTusSonuclari>> wireFields();
    void Kopyala(const TTusSonuclari &source) { *this = source; }

    qint32 Alindi() const { return FAlindi; }
    void setAlindi(qint32 v) { FAlindi = v; }
    qint32 Onaylandi() const { return FOnaylandi; }
    void setOnaylandi(qint32 v) { FOnaylandi = v; }
    qint32 ParcaliHazirlandi() const { return FParcaliHazirlandi; }
    void setParcaliHazirlandi(qint32 v) { FParcaliHazirlandi = v; }
    qint32 SevkEdildi() const { return FSevkEdildi; }
    void setSevkEdildi(qint32 v) { FSevkEdildi = v; }
    qint32 Hazirlandi() const { return FHazirlandi; }
    void setHazirlandi(qint32 v) { FHazirlandi = v; }
    qint32 Goruldu() const { return FGoruldu; }
    void setGoruldu(qint32 v) { FGoruldu = v; }

private:
    qint32 FAlindi = 0;
    qint32 FOnaylandi = 0;
    qint32 FParcaliHazirlandi = 0;
    qint32 FSevkEdildi = 0;
    qint32 FHazirlandi = 0;
    qint32 FGoruldu = 0;
};

