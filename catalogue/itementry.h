#pragma once
// Item entry from the main window: the dialog opened on a row of the stock,
// new-items or campaign list (adding the item) or on a basket line
// (changing it), and the two calls that send the result to the server.

#include "stokayarinti.h"

#include <QString>

class TClientDataSet;
class TForm1;

// Double click on a list row; the list's dataset is positioned on the row.
void StokListesindenEkle(TForm1 &form, int stokno);
void YenilerdenEkle(TForm1 &form, int stokno);
void KampanyalidanEkle(TForm1 &form, int stokno);
// A basket line; `sepet` is positioned on it (it is looked up by SIRANO otherwise).
void SepetSatirDegistir(TForm1 &form, int sirano);

// Sets form.SepetSatirDegistir.
void installItemEntry(TForm1 &form);

// What SepetEkle2 takes from the source row, read before the dialog opens.
struct KaynakSatir {
    int stokno = 0;     // STOK_STOKNO
    QString barkod;     // BARKOD
    QString stokadi;    // ADI
    int kdv = 0;        // KDV as a whole number
    int k = 0;          // K
};
KaynakSatir KaynakSatirOku(TClientDataSet &kaynak); // current record

// What SepetGuncelle2 takes from the basket line.
struct SepetSatiri {
    int sirano = 0;
    QString barkod;          // BARKOD as displayed
    QString stokadi;         // STOKADI as displayed
    int kdv = 0;             // KDV as a whole number
    IndirimOranlari oranlar{}; // INDIRIMORANI1..4, sent back unchanged
};
SepetSatiri SepetSatiriOku(TClientDataSet &sepet); // current record

// "TServerMethods1.SepetEkle2" on bagc (report 1); result 1 reloads the
// basket (form.SepetGetir). True when the server stored the line.
bool SepeteEkle(TForm1 &form, const KaynakSatir &satir, double miktar, double fiyat, const IndirimOranlari &oranlar);
bool SepeteEkle(TForm1 &form, TClientDataSet &kaynak, double miktar, double fiyat, const IndirimOranlari &oranlar);

// "TServerMethods1.SepetGuncelle2" on bagc (report 1) with stokno 0 and the
// line's stored rates. True when the server changed the line.
bool SepetSatirGuncelle(TForm1 &form, const SepetSatiri &satir, double miktar, double fiyat);
bool SepetSatirGuncelle(TForm1 &form, int sirano, double miktar, double fiyat); // current record of sepet
