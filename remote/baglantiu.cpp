#include "baglantiu.h"

const QString TSonucBilgisi::kType = QStringLiteral("baglantiu.TSonucBilgisi");
const QString TSiparisDipAyrinti::kType = QStringLiteral("baglantiu.TSiparisDipAyrinti");
const QString TTusSonuclari::kType = QStringLiteral("baglantiu.TTusSonuclari");

std::span<const WireField<TSonucBilgisi>> TSonucBilgisi::wireFields()
{
    static const WireField<TSonucBilgisi> f[] = {
        {"FBILGISAYARID", &TSonucBilgisi::FBILGISAYARID},
        {"FSaticiMail", &TSonucBilgisi::FSaticiMail},
        {"FSirano", &TSonucBilgisi::FSirano},
        {"FCariAdi", &TSonucBilgisi::FCariAdi},
        {"FSIFRE", &TSonucBilgisi::FSIFRE},
        {"FSaticiNo", &TSonucBilgisi::FSaticiNo},
        {"FCARINO", &TSonucBilgisi::FCARINO},
        {"FAKTIF", &TSonucBilgisi::FAKTIF},
        {"FKullanicimail", &TSonucBilgisi::FKullanicimail},
        {"FADI", &TSonucBilgisi::FADI},
        {"FSaticiTelefon", &TSonucBilgisi::FSaticiTelefon},
        {"Fcarikod", &TSonucBilgisi::Fcarikod},
        {"FVarmi", &TSonucBilgisi::FVarmi},
        {"FSaticiAdi", &TSonucBilgisi::FSaticiAdi},
        {"FBilgiSayarAdi", &TSonucBilgisi::FBilgiSayarAdi},
        {"FDisip", &TSonucBilgisi::FDisip},
        {"FIcip", &TSonucBilgisi::FIcip},
        {"FBilgisayarKullanici", &TSonucBilgisi::FBilgisayarKullanici},
        {"FMusteriTipi", &TSonucBilgisi::FMusteriTipi},
        {"FVersion", &TSonucBilgisi::FVersion},
    };
    return f;
}

std::span<const WireField<TSiparisDipAyrinti>> TSiparisDipAyrinti::wireFields()
{
    static const WireField<TSiparisDipAyrinti> f[] = {
        {"FSizinMesaj", &TSiparisDipAyrinti::FSizinMesaj},
        {"FDurumu", &TSiparisDipAyrinti::FDurumu},
        {"FVeren", &TSiparisDipAyrinti::FVeren},
        {"FKargo", &TSiparisDipAyrinti::FKargo},
        {"FBizimMesaj", &TSiparisDipAyrinti::FBizimMesaj},
        {"FTeslimCinsi", &TSiparisDipAyrinti::FTeslimCinsi},
        {"FKargoCinsi", &TSiparisDipAyrinti::FKargoCinsi},
        {"FSaticiNotu", &TSiparisDipAyrinti::FSaticiNotu},
    };
    return f;
}

std::span<const WireField<TTusSonuclari>> TTusSonuclari::wireFields()
{
    static const WireField<TTusSonuclari> f[] = {
        {"FAlindi", &TTusSonuclari::FAlindi},
        {"FOnaylandi", &TTusSonuclari::FOnaylandi},
        {"FParcaliHazirlandi", &TTusSonuclari::FParcaliHazirlandi},
        {"FSevkEdildi", &TTusSonuclari::FSevkEdildi},
        {"FHazirlandi", &TTusSonuclari::FHazirlandi},
        {"FGoruldu", &TTusSonuclari::FGoruldu},
    };
    return f;
}
