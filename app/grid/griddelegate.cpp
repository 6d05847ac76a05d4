#include "griddelegate.h"

#include "datasetmodel.h"

#include <QApplication>
#include <QPainter>
#include <QSortFilterProxyModel>

GridDelegate::GridDelegate(const DataSetModel *model, const QSortFilterProxyModel *proxy, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model), m_proxy(proxy)
{
}

void GridDelegate::setCustomPainter(int column, Painter painter)
{
    m_painters.insert(column, std::move(painter));
}

// Selection and alternate-row background exactly as a text cell would get it.
void GridDelegate::paintBackground(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    opt.icon = QIcon();
    opt.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration
                      | QStyleOptionViewItem::HasCheckIndicator);
    const QWidget *w = option.widget;
    QStyle *style = w ? w->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QModelIndex source = m_proxy->mapToSource(index);
    const Kind kind = m_model->column(source.column()).kind;
    switch (kind) {
    case Kind::Text:
        QStyledItemDelegate::paint(painter, option, index);
        return;
    case Kind::Icon: {
        paintBackground(painter, option, index);
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        if (icon.isNull())
            return;
        const int size = qMin(m_iconSize, qMin(option.rect.width(), option.rect.height()) - 2);
        const QRect r(option.rect.center().x() - size / 2, option.rect.center().y() - size / 2, size, size);
        icon.paint(painter, r, Qt::AlignCenter);
        return;
    }
    case Kind::Check: {
        paintBackground(painter, option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *w = option.widget;
        QStyle *style = w ? w->style() : QApplication::style();
        const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
        opt.rect = QRect(option.rect.center().x() - box.width() / 2, option.rect.center().y() - box.height() / 2,
                         box.width(), box.height());
        opt.state &= ~QStyle::State_HasFocus;
        opt.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &opt, painter, w);
        return;
    }
    case Kind::Custom: {
        paintBackground(painter, option, index);
        const auto it = m_painters.constFind(source.column());
        if (it == m_painters.cend())
            return;
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        painter->save();
        painter->setClipRect(option.rect);
        (*it)(painter, opt, source.row());
        painter->restore();
        return;
    }
    }
}
