#include "itementry.h"

#include "async.h"
#include "asyncresim.h"
#include "callframe.h"
#include "clientdataset.h"
#include "mainwindow.h"
#include "messages.h"
#include "resimgetir.h"
#include "seams.h"

#include <QLabel>
#include <QSpinBox>

namespace {

enum class Akis { StokListesi, Yeniler, Kampanyali };

bool temsilci(const TForm1 &form)
{
    const int tip = form.sbilgi.snapshot().MusteriTipi();
    return tip == 1 || tip == 2;
}

// Header text of a column that a list may lack.
QString metin(TClientDataSet &ds, const char *field)
{
    TField f = ds.FindField(QLatin1String(field));
    return f.isValid() ? f.DisplayText() : QString();
}

IndirimOranlari satirOranlari(TClientDataSet &ds)
{
    return {ds.FieldByName(QStringLiteral("IND1")).AsFloat(), ds.FieldByName(QStringLiteral("IND2")).AsFloat(),
            ds.FieldByName(QStringLiteral("IND3")).AsFloat(), ds.FieldByName(QStringLiteral("IND4")).AsFloat()};
}

// The record of `key` = `value`, the current one when it already is.
bool konumla(TClientDataSet &ds, const QString &key, int value)
{
    if (!ds.Active() || ds.RecordCount() == 0)
        return false;
    if (ds.RecNo() >= 0 && !ds.Eof() && ds.FieldByName(key).AsInteger() == value)
        return true;
    return ds.Locate(key, value);
}

void basliklariDoldur(Tstokayarinti &d, TClientDataSet &ds, const char *aciklamaAlani)
{
    d.barkod->setText(metin(ds, "BARKOD"));
    d.adi->setText(metin(ds, aciklamaAlani));
    d.marka->setText(metin(ds, "MARKA"));
    d.finishkod->setText(metin(ds, "FINISHKOD"));
    d.model->setText(metin(ds, "MODEL"));
    d.kdvoran = ds.FieldByName(QStringLiteral("KDV")).AsFloat();
    // Before any quantity: the package quantity also sets the quantity.
    d.setKoliadet(1);
}

// The quantity on OK; a box that holds none is refused here as well, so
// nothing reaches the server without a valid quantity.
std::optional<int> onaylananMiktar(Tstokayarinti &d)
{
    const auto q = d.miktar();
    if (!q)
        ShowError(QString::fromUtf8(kAdetHataMetni));
    return q;
}

void ekle(TForm1 &form, TClientDataSet &ds, int stokno, Akis akis)
{
    guarded([&] {
        if (!konumla(ds, QStringLiteral("STOK_STOKNO"), stokno))
            return;
        const KaynakSatir satir = KaynakSatirOku(ds);
        auto d = Tstokayarinti::Ac(&form, stokno);
        basliklariDoldur(*d, ds, "ADI");

        const int k = satir.k;
        const QString indirimYazi = metin(ds, "INDIRIMYAZI");
        const bool fiyatVar = akis != Akis::StokListesi || k >= 0;
        if (fiyatVar) {
            d->birimfiyat->setValue(ds.FieldByName(QStringLiteral("FIYAT")).AsFloat());
            d->setOranlar(satirOranlari(ds));
        }
        d->adet->setValue(1);
        switch (akis) {
        case Akis::StokListesi:
            if (k > 0) {
                d->Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
                d->indirimoran->setText(QStringLiteral("Kampanyalı ") + indirimYazi);
            } else if (k == 0) {
                d->indirimoran->setText(QStringLiteral("İndirim: %") + indirimYazi);
            }
            break;
        case Akis::Yeniler:
            if (k > 0) {
                d->Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
                d->indirimoran->setText(QStringLiteral("Kampanyalı ") + indirimYazi);
            } else {
                d->indirimoran->setText(QStringLiteral("İndirim:  % ") + indirimYazi);
            }
            break;
        case Akis::Kampanyali:
            d->Label2->setText(QStringLiteral("Kampanyalı Fiyat:"));
            d->indirimoran->setText(QStringLiteral("Kampanyalı ") + indirimYazi);
            break;
        }
        if (temsilci(form)) {
            d->setFiyatDuzenlenebilir(true);
            if (akis != Akis::Kampanyali)
                d->GridPanel2->show();
        }

        if (Seams::instance().execDialog(d.get()) != QDialog::Accepted)
            return;
        const auto q = onaylananMiktar(*d);
        if (!q)
            return;
        SepeteEkle(form, satir, *q, d->birimfiyat->value(), d->oranlar());
    });
}

} // namespace

KaynakSatir KaynakSatirOku(TClientDataSet &kaynak)
{
    KaynakSatir s;
    s.stokno = kaynak.FieldByName(QStringLiteral("STOK_STOKNO")).AsInteger();
    s.barkod = kaynak.FieldByName(QStringLiteral("BARKOD")).AsString();
    s.stokadi = kaynak.FieldByName(QStringLiteral("ADI")).AsString();
    s.kdv = kaynak.FieldByName(QStringLiteral("KDV")).AsInteger();
    s.k = kaynak.FieldByName(QStringLiteral("K")).AsInteger();
    return s;
}

SepetSatiri SepetSatiriOku(TClientDataSet &sepet)
{
    SepetSatiri s;
    s.sirano = sepet.FieldByName(QStringLiteral("SIRANO")).AsInteger();
    s.barkod = sepet.FieldByName(QStringLiteral("BARKOD")).DisplayText();
    s.stokadi = sepet.FieldByName(QStringLiteral("STOKADI")).DisplayText();
    s.kdv = sepet.FieldByName(QStringLiteral("KDV")).AsInteger();
    for (int i = 0; i < 4; ++i)
        s.oranlar[size_t(i)] = sepet.FieldByName(QStringLiteral("INDIRIMORANI%1").arg(i + 1)).AsFloat();
    return s;
}

bool SepeteEkle(TForm1 &form, const KaynakSatir &satir, double miktar, double fiyat, const IndirimOranlari &oranlar)
{
    auto bilgim = form.sbilgi.copy();
    const qint32 carino = bilgim->CARINO();
    const qint32 verenid = bilgim->Sirano();
    qint32 sonuc = 0;
    CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) {
        sonuc = proxy.SepetEkle2(std::move(bilgim), carino, satir.stokno, satir.barkod, satir.stokadi, miktar,
                                 satir.kdv, fiyat, oranlar[0], verenid, satir.k, oranlar[1], oranlar[2], oranlar[3]);
    });
    if (sonuc != 1)
        return false;
    if (form.SepetGetir)
        form.SepetGetir();
    return true;
}

bool SepeteEkle(TForm1 &form, TClientDataSet &kaynak, double miktar, double fiyat, const IndirimOranlari &oranlar)
{
    return SepeteEkle(form, KaynakSatirOku(kaynak), miktar, fiyat, oranlar);
}

bool SepetSatirGuncelle(TForm1 &form, const SepetSatiri &satir, double miktar, double fiyat)
{
    auto bilgim = form.sbilgi.copy();
    const qint32 carino = bilgim->CARINO();
    const qint32 verenid = bilgim->Sirano();
    qint32 sonuc = 0;
    CallServer(form.bagc, 1, [&](TServerMethods1Client &proxy) {
        sonuc = proxy.SepetGuncelle2(std::move(bilgim), carino, 0, satir.barkod, satir.stokadi, miktar, satir.kdv, fiyat,
                                     satir.oranlar[0], verenid, satir.sirano, satir.oranlar[1], satir.oranlar[2],
                                     satir.oranlar[3]);
    });
    return sonuc == 1;
}

bool SepetSatirGuncelle(TForm1 &form, int sirano, double miktar, double fiyat)
{
    if (!konumla(form.sepet, QStringLiteral("SIRANO"), sirano))
        return false;
    return SepetSatirGuncelle(form, SepetSatiriOku(form.sepet), miktar, fiyat);
}

void StokListesindenEkle(TForm1 &form, int stokno)
{
    ekle(form, form.stok, stokno, Akis::StokListesi);
}

void YenilerdenEkle(TForm1 &form, int stokno)
{
    ekle(form, form.YENILER, stokno, Akis::Yeniler);
}

void KampanyalidanEkle(TForm1 &form, int stokno)
{
    ekle(form, form.kampstok, stokno, Akis::Kampanyali);
}

void SepetSatirDegistir(TForm1 &form, int sirano)
{
    guarded([&] {
        TClientDataSet &sepet = form.sepet;
        if (!konumla(sepet, QStringLiteral("SIRANO"), sirano))
            return;
        // The line as it is now: a basket reload while the dialog is open
        // must not change which line, or which rates, are sent.
        const SepetSatiri satir = SepetSatiriOku(sepet);
        const int stokno = sepet.FieldByName(QStringLiteral("STOKNO")).AsInteger();
        auto d = Tstokayarinti::Ac(&form, stokno);
        basliklariDoldur(*d, sepet, "STOKADI");
        d->birimfiyat->setValue(sepet.FieldByName(QStringLiteral("BIRIMFIYAT")).AsFloat());
        d->adet->setValue(sepet.FieldByName(QStringLiteral("MIKTAR")).AsInteger());
        d->Label2->setText(QStringLiteral("Fiyat:"));
        d->indirimoran->setText(QStringLiteral("İndirim:"));
        ResimGetir(form, stokno, d->Image1);

        if (Seams::instance().execDialog(d.get()) != QDialog::Accepted)
            return;
        const auto q = onaylananMiktar(*d);
        if (!q)
            return;
        SepetSatirGuncelle(form, satir, *q, d->birimfiyat->value());
        // Shown again whatever the server answered.
        if (form.SepetGorunumYenile)
            form.SepetGorunumYenile();
    });
}

void installItemEntry(TForm1 &form)
{
    form.SepetSatirDegistir = [&form](int sirano) { SepetSatirDegistir(form, sirano); };
}
