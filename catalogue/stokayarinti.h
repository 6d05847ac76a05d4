#pragma once
// Item-entry dialog "Sepete Ekle": quantity, unit price, the four cascading
// discount rates and VAT, with the figures recomputed as the user types.
// The arithmetic is kept in plain functions so it can be checked apart from
// the window.

#include "numfmt.h" // RoundTo2, RoundTo3

#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;
class TAsyncResim;
class TResim;

// ---- arithmetic ----------------------------------------------------------

using IndirimOranlari = std::array<double, 4>;

// Cascade: each positive rate applies to what the previous ones left;
// zero and negative rates are skipped.
double IndirimUygula(double brut, const IndirimOranlari &oranlar);

// The "İndirim" row is shown only when the rates add up to more than 1.
bool IndirimVarmi(const IndirimOranlari &oranlar);

// F4: the price taken as VAT-inclusive at 20 %, not rounded.
double KdvCikar(double fiyat);

// Next multiple of the package quantity (unchanged when already one).
int PaketYuvarla(int adet, int koliadet);

struct Tutarlar {
    double brut = 0;        // P × Q
    double indirim = 0;     // indtutar: brut less the cascade, not rounded
    double netToplam = 0;   // RoundTo2 of the cascade
    double netBirim = 0;    // RoundTo2(netToplam / Q), 0 when Q is 0
    double kdvDahil = 0;    // kdvdahiltutar
    double genelTutar = 0;  // geneltutar
};

Tutarlar TutarHesapla(double birimFiyat, int adet, const IndirimOranlari &oranlar, double kdvOran);

// The quantity box text as a whole number between 1 and 10000; nothing when
// it holds anything else (empty, letters, 0, out of range).
std::optional<int> AdetOku(const QString &text);
constexpr int kAdetEnAz = 1;
constexpr int kAdetEnCok = 10000;
extern const char *const kAdetHataMetni;

// Money text: "#,###,##0.00" with Turkish separators, and back. Both "144,00"
// and "1.234,56" read; a lone point followed by decimals ("144.5") is taken
// as the decimal point.
QString ParaMetni(double value);
bool ParaOku(const QString &text, double *value);

// ---- controls ------------------------------------------------------------

// Currency box: shows "#,###,##0.00", plain digits while being edited; the
// value is kept unrounded so a computed price is sent as computed.
class TParaKutusu : public QLineEdit
{
    Q_OBJECT
public:
    explicit TParaKutusu(QWidget *parent = nullptr);
    double value() const { return m_value; }
    void setValue(double v);

protected:
    void changeEvent(QEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void showFormatted();
    double m_value = 0;
};

class Tstokayarinti : public QDialog
{
    Q_OBJECT
public:
    // The dialog for one item; `owner` is the main window.
    static std::unique_ptr<Tstokayarinti> Ac(QWidget *owner, int _stokno);
    explicit Tstokayarinti(QWidget *owner, int _stokno);
    ~Tstokayarinti() override;

    int stokno = 0;
    double kdvoran = 0;

    int koliadet() const { return m_koliadet; }
    void setKoliadet(int n);

    // Header
    QLabel *barkod, *adi, *finishkod, *marka, *model;
    TResim *Image1;
    TAsyncResim *AsyncResim1;
    // Figures
    QSpinBox *adet;
    QLabel *Label2;
    TParaKutusu *birimfiyat;
    QLabel *indirimoran;
    TParaKutusu *indtutar, *kdvdahiltutar, *geneltutar;
    QWidget *GridPanel2;
    TParaKutusu *edindirim1, *edindirim2, *edindirim3, *edindirim4;
    QPushButton *ParcaliTus1, *ParcaliTus2;

    IndirimOranlari oranlar() const;
    void setOranlar(const IndirimOranlari &r);
    // Unit price and rates editable (representatives).
    void setFiyatDuzenlenebilir(bool editable);

    // The quantity as typed; nothing when the box holds no valid quantity.
    std::optional<int> miktar() const;

    void TutarHesapla();
    void KdvCikar();
    void FormShow();
    void FormActivate();
    void adetExit();
    void ParcaliTus1Click();
    void ParcaliTus2Click();
    bool indirimSatiriGorunur() const { return m_indirimGorunur; }

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void onayla();
    int m_koliadet = 1;
    bool m_indirimGorunur = false;
    bool m_gosterildi = false;
};

// The placeholder shown until the item's picture arrives.
QImage yerTutucuResim(const QSize &size);
