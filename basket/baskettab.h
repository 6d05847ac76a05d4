#pragma once
// The basket tab: the server's basket lines, their selection, totals and edits.

#include "loadguard.h"

#include <QObject>

class DataGrid;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class TForm1;

class BasketTab : public QObject
{
    Q_OBJECT
public:
    explicit BasketTab(TForm1 &form);

    TForm1 &form;
    DataGrid *cxGrid2; // cxGridDBTableView1
    QMenu *PopupMenu1;
    QAction *Deitir1, *SatrSil1, *HepsiniSil1;
    QPushButton *Button4; // "Hepsini Seç"
    QPushButton *Button5; // "Seçimleri Kaldır"
    QLabel *lbluyarbakiye;
    QPushButton *Button1; // "Gönder"
    QLabel *aratoplaml, *indiriml, *nettutarl, *vergil, *geneltoplaml;

    void ssepetShow();
    void SepetGetir();          // UI thread: load `sepet` now
    void SepetGorunumYenile();  // reload, caption, totals
    void SepetToplamHesapla();
    void SecimGuncelle(int sirano, int secim);
    void Button4Click() { setAll(1); }
    void Button5Click() { setAll(0); }
    void Deitir1Click();
    void SatrSil1Click();
    void HepsiniSil1Click();
    void Button1Click();
    void shapeFor(int musteriTipi);
    bool loading() const { return m_load.running(); }

private:
    void setAll(int secim);
    void setCaption();

    LoadGuard m_load;
    int m_generation = 0; // bumped by every load made on the UI thread
};
