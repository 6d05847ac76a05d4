#pragma once
// Customer card and opening screens; module name "mobilstokunit" on the wire.

#include "objectform.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Customer card of the workstation's customer.
class TMobilCariBilgisi
{
public:
    static const QString kType; // "mobilstokunit.TMobilCariBilgisi"
    TMobilCariBilgisi() = default;
    static std::span<const WireField<TMobilCariBilgisi>> wireFields();
    void Kopyala(const TMobilCariBilgisi &source) { *this = source; }

    const QString &BILGISAYARID() const { return FBILGISAYARID; }
    void setBILGISAYARID(const QString &v) { FBILGISAYARID = v; }
    const QString &SEHIR() const { return FSEHIR; }
    void setSEHIR(const QString &v) { FSEHIR = v; }
    const QString &FAX1() const { return FFAX1; }
    void setFAX1(const QString &v) { FFAX1 = v; }
    const QString &SATICIMAIL() const { return FSATICIMAIL; }
    void setSATICIMAIL(const QString &v) { FSATICIMAIL = v; }
    const QString &SATICIADI() const { return FSATICIADI; }
    void setSATICIADI(const QString &v) { FSATICIADI = v; }
    const QString &CARIADI() const { return FCARIADI; }
    void setCARIADI(const QString &v) { FCARIADI = v; }
    const QString &EMAIL() const { return FEMAIL; }
    void setEMAIL(const QString &v) { FEMAIL = v; }
    const QString &VERGIDAIRESI() const { return FVERGIDAIRESI; }
    void setVERGIDAIRESI(const QString &v) { FVERGIDAIRESI = v; }
    const QString &YETKILI() const { return FYETKILI; }
    void setYETKILI(const QString &v) { FYETKILI = v; }
    const QString &AltGrup() const { return FAltGrup; }
    void setAltGrup(const QString &v) { FAltGrup = v; }
    const QString &TEL2() const { return FTEL2; }
    void setTEL2(const QString &v) { FTEL2 = v; }
    const QString &SIFRE() const { return FSIFRE; }
    void setSIFRE(const QString &v) { FSIFRE = v; }
    const QString &GSM() const { return FGSM; }
    void setGSM(const QString &v) { FGSM = v; }
    const QString &TEL1() const { return FTEL1; }
    void setTEL1(const QString &v) { FTEL1 = v; }
    const QString &ADRES2() const { return FADRES2; }
    void setADRES2(const QString &v) { FADRES2 = v; }
    double TLBORC() const { return FTLBORC; }
    void setTLBORC(double v) { FTLBORC = v; }
    double TLALACAK() const { return FTLALACAK; }
    void setTLALACAK(double v) { FTLALACAK = v; }
    const QString &ADRES1() const { return FADRES1; }
    void setADRES1(const QString &v) { FADRES1 = v; }
    const QString &ULKE() const { return FULKE; }
    void setULKE(const QString &v) { FULKE = v; }
    const QString &AnaGrup() const { return FAnaGrup; }
    void setAnaGrup(const QString &v) { FAnaGrup = v; }
    qint32 CARINO() const { return FCARINO; }
    void setCARINO(qint32 v) { FCARINO = v; }
    double TLBAKIYE() const { return FTLBAKIYE; }
    void setTLBAKIYE(double v) { FTLBAKIYE = v; }
    const QString &VERGINO() const { return FVERGINO; }
    void setVERGINO(const QString &v) { FVERGINO = v; }
    const QString &MAIL() const { return FMAIL; }
    void setMAIL(const QString &v) { FMAIL = v; }
    const QString &OzelKod() const { return FOzelKod; }
    void setOzelKod(const QString &v) { FOzelKod = v; }
    const QString &KULLANICIADI() const { return FKULLANICIADI; }
    void setKULLANICIADI(const QString &v) { FKULLANICIADI = v; }
    const QString &SATICITELEFON() const { return FSATICITELEFON; }
    void setSATICITELEFON(const QString &v) { FSATICITELEFON = v; }
    const QString &CARIKOD() const { return FCARIKOD; }
    void setCARIKOD(const QString &v) { FCARIKOD = v; }
    const QString &FAX2() const { return FFAX2; }
    void setFAX2(const QString &v) { FFAX2 = v; }
    const QString &ILCE() const { return FILCE; }
    void setILCE(const QString &v) { FILCE = v; }

private:
    QString FBILGISAYARID;
    QString FSEHIR;
    QString FFAX1;
    QString FSATICIMAIL;
    QString FSATICIADI;
    QString FCARIADI;
    QString FEMAIL;
    QString FVERGIDAIRESI;
    QString FYETKILI;
    QString FAltGrup;
    QString FTEL2;
    QString FSIFRE;
    QString FGSM;
    QString FTEL1;
    QString FADRES2;
    double FTLBORC = 0.0;
    double FTLALACAK = 0.0;
    QString FADRES1;
    QString FULKE;
    QString FAnaGrup;
    qint32 FCARINO = 0;
    double FTLBAKIYE = 0.0;
    QString FVERGINO;
    QString FMAIL;
    QString FOzelKod;
    QString FKULLANICIADI;
    QString FSATICITELEFON;
    QString FCARIKOD;
    QString FFAX2;
    QString FILCE;
};

// One opening screen: a picture (hex text) with a title and a search keyword.
class TAcilisEkran
{
public:
    static const QString kType; // "mobilstokunit.TAcilisEkran"
    TAcilisEkran() = default;
    static std::span<const WireField<TAcilisEkran>> wireFields();
    // No copy operation: receivers read it before the proxy goes.

    qint32 SiraNo() const { return FSiraNo; }
    void setSiraNo(qint32 v) { FSiraNo = v; }
    const QString &Resim() const { return FResim; }
    void setResim(const QString &v) { FResim = v; }
    const QString &Baslik() const { return FBaslik; }
    void setBaslik(const QString &v) { FBaslik = v; }
    const QString &Arama() const { return FArama; }
    void setArama(const QString &v) { FArama = v; }

private:
    qint32 FSiraNo = 0;
    QString FResim;
    QString FBaslik;
    QString FArama;
};

// All opening screens; owns its records.
class TAcilisEkranlariki
{
public:
    static const QString kType;
    static std::span<const WireField<TAcilisEkranlariki>> wireFields();

    const std::vector<std::unique_ptr<TAcilisEkran>> &Ekranlar() const { return FEkranlar; }
    std::vector<std::unique_ptr<TAcilisEkran>> &Ekranlar() { return FEkranlar; }

    void writeMore(ObjectWriter &w, QJsonObject &fields) const;
    bool readMore(ObjectReader &r, const QJsonObject &fields, QString *error);

private:
    std::vector<std::unique_ptr<TAcilisEkran>> FEkranlar;
};

// Picture bytes from hexadecimal text, two digits a byte; a lone last digit
// is read alone. Fails (false, *error set) at the first pair that is not hex.
bool HexCoz(const QString &hex, QByteArray *out, QString *error = nullptr);
