#pragma once
// Paints the cells that are not plain text: icons centred without text,
// read-only check boxes centred, and window-drawn custom columns.

#include <QHash>
#include <QStyledItemDelegate>
#include <functional>

class DataSetModel;
class QSortFilterProxyModel;

class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter *, const QStyleOptionViewItem &, int datasetRow)>;

    GridDelegate(const DataSetModel *model, const QSortFilterProxyModel *proxy, QObject *parent = nullptr);

    void setCustomPainter(int column, Painter painter);
    void setIconSize(int px) { m_iconSize = px; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void paintBackground(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    const DataSetModel *m_model;
    const QSortFilterProxyModel *m_proxy;
    QHash<int, Painter> m_painters;
    int m_iconSize = 18;
};
