#include "pricecell.h"

#include <QFontMetrics>

#include "clientdataset.h"
#include "numfmt.h"

#include <QPainter>
#include <QStyleOptionViewItem>

QString FiyatBilgisiMetni(double listeFiyat, double kampFiyat, double netFiyat, double kdvDahil, const QLocale &locale)
{
    const auto para = [&](double v) { return formatFloat(moneyFormat(), v, locale); };
    QString text = QStringLiteral("Liste Fiyatı: ") + para(listeFiyat) + u'\n';
    if (kampFiyat > 0)
        text += QStringLiteral("Kampanyalı Fiyat: ") + para(kampFiyat) + u'\n';
    text += QStringLiteral("NetFiyat: ") + para(netFiyat) + u'\n';
    text += QStringLiteral("KDV li Fiyat: ") + para(kdvDahil) + u'\n';
    return text;
}

void FiyatBilgisiCiz(QPainter *painter, const QStyleOptionViewItem &option, int recordIndex, const QString &text)
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                                : QPalette::Inactive;
    const QPalette::ColorRole fill = selected ? QPalette::Highlight
                                     : (recordIndex % 2 != 0) ? QPalette::AlternateBase
                                                              : QPalette::Base;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(group, fill));
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    // The last line break ends the last line; drawn, it would add an empty
    // line and pull the text off centre.
    QString shown = text;
    if (shown.endsWith(u'\n'))
        shown.chop(1);
    const QRect area = option.rect.adjusted(10, 0, -10, 0);
    // Never cut a price: a narrow column gets a smaller font instead.
    QFont font = option.font;
    for (;;) {
        const QRect need = QFontMetrics(font).boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignRight, shown);
        if ((need.width() <= area.width() && need.height() <= area.height()) || font.pointSizeF() <= 6)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    painter->setFont(font);
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, shown);
    painter->restore();
}

void paintPriceCell(QPainter *painter, const QStyleOptionViewItem &option, const TClientDataSet &stok, int row)
{
    const TableData &t = stok.data();
    const auto value = [&](const char *name) {
        const int col = t.indexOf(QLatin1String(name));
        return (col < 0 || row < 0 || row >= t.rowCount() || t.isNull(row, col)) ? 0.0 : t.floatValue(row, col);
    };
    FiyatBilgisiCiz(painter, option, row,
                    FiyatBilgisiMetni(value("LISTEFIYAT1"), value("KAMPFIYAT"), value("NETFIYAT"), value("KDVDAHIL")));
}

DataGrid::Painter FiyatBilgisiPainter(TClientDataSet &stok)
{
    return [&stok](QPainter *painter, const QStyleOptionViewItem &option, int row) {
        paintPriceCell(painter, option, stok, row);
    };
}
