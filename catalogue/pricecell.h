#pragma once
// The multi-line "Fiyat Bilgisi" cell of the stock list, drawn in place of
// the four price columns when the window is narrow.

#include "datagrid.h"

#include <QLocale>
#include <QString>

class QPainter;
class QStyleOptionViewItem;
class TClientDataSet;

// "Liste Fiyatı: ", "Kampanyalı Fiyat: " (only when the campaign price is
// above 0), "NetFiyat: ", "KDV li Fiyat: ", each "#,###,##0.00" and each
// ending with a line break.
QString FiyatBilgisiMetni(double listeFiyat, double kampFiyat, double netFiyat, double kdvDahil,
                          const QLocale &locale = QLocale());

// Fills the cell (selection colour, or the odd/even row colour by record
// index) and draws `text` right-aligned, vertically centred, 10 px in from
// both sides, never elided.
void FiyatBilgisiCiz(QPainter *painter, const QStyleOptionViewItem &option, int recordIndex, const QString &text);

// What to register: grid.setCustomPainter("FiyatBilgisi", FiyatBilgisiPainter(form.stok)).
// Reads LISTEFIYAT1, KAMPFIYAT, NETFIYAT and KDVDAHIL of the row being drawn.
DataGrid::Painter FiyatBilgisiPainter(TClientDataSet &stok);
// The same for one row of `stok`, for a painter written in place.
void paintPriceCell(QPainter *painter, const QStyleOptionViewItem &option, const TClientDataSet &stok, int row);
