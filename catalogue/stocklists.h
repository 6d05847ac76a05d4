#pragma once
// The three catalogue tabs: stock search, new items and campaign items.

#include "loadguard.h"

#include <QObject>

class DataGrid;
class QAction;
class QMenu;
class TClientDataSet;
class TForm1;

class StockLists : public QObject
{
    Q_OBJECT
public:
    explicit StockLists(TForm1 &form);

    TForm1 &form;
    DataGrid *cxGrid1;      // stock list view (cxGrid1DBTableView1)
    DataGrid *cxGrid6;      // new items (cxGridDBTableView5)
    DataGrid *cxkampanyali; // campaign items (cxGridDBTableViewkampanyali)
    QMenu *popstok;
    QAction *S2, *B1, *S3;

    // Search box and buttons.
    void araeditEnter();
    void SpeedButton2Click(); // "Ara"
    void SpeedButton1Click(); // "Temizle"
    // Tab loads.
    void syenilerShow();
    void skampanyaliShow();
    // Layout.
    void StokGridDuzenle();
    static void GridDuzenle(DataGrid *grid);
    // Double click / "Sepete Ekle".
    void openItemEntry(DataGrid *grid);
    void shapeFor(int musteriTipi);

    bool searching() const;

private:
    void startSearch(const QString &text);
    void loadList(DataGrid *grid, TClientDataSet &ds, LoadGuard &guard, bool campaign);

    LoadGuard m_newItems;
    LoadGuard m_campaign;
    bool m_campaignHidden = false;
};

// The window width above which the stock list shows prices in columns.
constexpr int kWideWindow = 1152;
