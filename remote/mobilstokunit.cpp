#include "mobilstokunit.h"

#include <QJsonArray>

const QString TMobilCariBilgisi::kType = QStringLiteral("mobilstokunit.TMobilCariBilgisi");
const QString TAcilisEkran::kType = QStringLiteral("mobilstokunit.TAcilisEkran");
const QString TAcilisEkranlariki::kType = QStringLiteral("mobilstokunit.TAcilisEkranlariki");

std::span<const WireField<TMobilCariBilgisi>> TMobilCariBilgisi::wireFields()
{
    static const WireField<TMobilCariBilgisi> f[] = {
        {"FBILGISAYARID", &TMobilCariBilgisi::FBILGISAYARID},
        {"FSEHIR", &TMobilCariBilgisi::FSEHIR},
        {"FFAX1", &TMobilCariBilgisi::FFAX1},
        {"FSATICIMAIL", &TMobilCariBilgisi::FSATICIMAIL},
        {"FSATICIADI", &TMobilCariBilgisi::FSATICIADI},
        {"FCARIADI", &TMobilCariBilgisi::FCARIADI},
        {"FEMAIL", &TMobilCariBilgisi::FEMAIL},
        {"FVERGIDAIRESI", &TMobilCariBilgisi::FVERGIDAIRESI},
        {"FYETKILI", &TMobilCariBilgisi::FYETKILI},
        {"FAltGrup", &TMobilCariBilgisi::FAltGrup},
        {"FTEL2", &TMobilCariBilgisi::FTEL2},
        {"FSIFRE", &TMobilCariBilgisi::FSIFRE},
        {"FGSM", &TMobilCariBilgisi::FGSM},
        {"FTEL1", &TMobilCariBilgisi::FTEL1},
        {"FADRES2", &TMobilCariBilgisi::FADRES2},
        {"FTLBORC", &TMobilCariBilgisi::FTLBORC},
        {"FTLALACAK", &TMobilCariBilgisi::FTLALACAK},
        {"FADRES1", &TMobilCariBilgisi::FADRES1},
        {"FULKE", &TMobilCariBilgisi::FULKE},
        {"FAnaGrup", &TMobilCariBilgisi::FAnaGrup},
        {"FCARINO", &TMobilCariBilgisi::FCARINO},
        {"FTLBAKIYE", &TMobilCariBilgisi::FTLBAKIYE},
        {"FVERGINO", &TMobilCariBilgisi::FVERGINO},
        {"FMAIL", &TMobilCariBilgisi::FMAIL},
        {"FOzelKod", &TMobilCariBilgisi::FOzelKod},
        {"FKULLANICIADI", &TMobilCariBilgisi::FKULLANICIADI},
        {"FSATICITELEFON", &TMobilCariBilgisi::FSATICITELEFON},
        {"FCARIKOD", &TMobilCariBilgisi::FCARIKOD},
        {"FFAX2", &TMobilCariBilgisi::FFAX2},
        {"FILCE", &TMobilCariBilgisi::FILCE},
    };
    return f;
}

std::span<const WireField<TAcilisEkran>> TAcilisEkran::wireFields()
{
    static const WireField<TAcilisEkran> f[] = {
        {"FSiraNo", &TAcilisEkran::FSiraNo},
        {"FResim", &TAcilisEkran::FResim},
        {"FBaslik", &TAcilisEkran::FBaslik},
        {"FArama", &TAcilisEkran::FArama},
    };
    return f;
}

std::span<const WireField<TAcilisEkranlariki>> TAcilisEkranlariki::wireFields()
{
    return {};
}

void TAcilisEkranlariki::writeMore(ObjectWriter &w, QJsonObject &fields) const
{
    QJsonArray a;
    for (const auto &e : FEkranlar)
        a.append(w.write(e.get()));
    fields.insert("FEkranlar", a);
}

bool TAcilisEkranlariki::readMore(ObjectReader &r, const QJsonObject &fields, QString *error)
{
    const QJsonValue v = fields.value("FEkranlar");
    if (v.isUndefined() || v.isNull())
        return true;
    if (!v.isArray()) {
        if (error)
            *error = QStringLiteral("FEkranlar dizi olmalı");
        return false;
    }
    for (const QJsonValue &e : v.toArray()) {
        std::unique_ptr<TAcilisEkran> one;
        if (!r.read(e, &one, error))
            return false;
        if (one)
            FEkranlar.push_back(std::move(one));
    }
    return true;
}

static int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

bool HexCoz(const QString &hex, QByteArray *out, QString *error)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / 2 + 1);
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int hi = hexDigit(hex.at(i));
        const int lo = i + 1 < hex.size() ? hexDigit(hex.at(i + 1)) : -2; // -2: lone last digit
        if (hi < 0 || lo == -1) {
            if (error)
                *error = QStringLiteral("'%1' geçerli bir onaltılık sayı değil").arg(hex.mid(i, 2));
            return false;
        }
        bytes.append(char(lo == -2 ? hi : hi * 16 + lo));
    }
    *out = bytes;
    return true;
}
