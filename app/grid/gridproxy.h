#pragma once
// Sorting and header value filters over a DataSetModel. Both work on the raw
// typed values, so a sort or filter over 100 000 rows formats no text.

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QIcon>
#include <QSet>
#include <QSortFilterProxyModel>
#include <vector>

class GridProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    // One distinct value of a column, as offered in its header filter.
    struct FilterValue {
        QString key;   // raw value as text; what setValueFilter takes
        QString text;  // display text (icon columns: the icon's description)
        QIcon icon;
        int rows = 0;  // rows holding it among those the other filters let through
    };

    explicit GridProxy(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *model) override;

    // Rows pass when their raw value is among `keys`; an empty set clears the column's filter.
    void setValueFilter(int column, const QSet<QString> &keys);
    QSet<QString> valueFilter(int column) const { return m_filters.value(column); }
    bool hasValueFilter(int column) const { return m_filters.contains(column); }
    bool hasAnyFilter() const { return !m_filters.isEmpty(); }
    void clearValueFilters();

    // Distinct values of a column over the rows the other columns' filters
    // pass, sorted like the column; at most `cap` of them, `*truncated` set
    // when there were more.
    QList<FilterValue> distinctValues(int column, int cap, bool *truncated = nullptr) const;

    // The text a raw value is filtered by: null is the empty string.
    static QString keyOf(const QVariant &raw);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    void refilter();
    bool passes(int sourceRow, int exceptColumn) const;
    int compareRaw(const QVariant &a, const QVariant &b) const;
    const QCollatorSortKey *sortKey(int sourceRow, int column) const;
    void dropSortKeys() const { m_keyColumn = -1; m_keys.clear(); }

    QHash<int, QSet<QString>> m_filters;
    QCollator m_collator;
    // Collation keys of the text column being sorted, made once per sort
    // instead of collating both strings in every comparison.
    mutable int m_keyColumn = -1;
    mutable std::vector<QCollatorSortKey> m_keys;
    QList<QMetaObject::Connection> m_sourceConnections;
};
