#include "gridproxy.h"

#include "datasetmodel.h"

#include <QIcon>
#include <algorithm>

GridProxy::GridProxy(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(DataSetModel::RawRole);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(true); // "A10" after "A9", as dealers read part codes
}

void GridProxy::setSourceModel(QAbstractItemModel *model)
{
    for (const auto &c : std::as_const(m_sourceConnections))
        disconnect(c);
    m_sourceConnections.clear();
    dropSortKeys();
    // Connected before the base class connects its own handlers, so the cached
    // keys are gone before a dynamic re-sort compares the changed rows.
    if (model) {
        auto drop = [this] { dropSortKeys(); };
        m_sourceConnections = {
            connect(model, &QAbstractItemModel::modelAboutToBeReset, this, drop),
            connect(model, &QAbstractItemModel::dataChanged, this, drop),
            connect(model, &QAbstractItemModel::rowsInserted, this, drop),
            connect(model, &QAbstractItemModel::rowsRemoved, this, drop),
            connect(model, &QAbstractItemModel::layoutChanged, this, drop),
        };
    }
    QSortFilterProxyModel::setSourceModel(model);
}

QString GridProxy::keyOf(const QVariant &raw)
{
    return raw.isValid() ? raw.toString() : QString();
}

void GridProxy::setValueFilter(int column, const QSet<QString> &keys)
{
    if (keys.isEmpty()) {
        if (!m_filters.remove(column))
            return;
    } else {
        m_filters.insert(column, keys);
    }
    refilter();
}

void GridProxy::clearValueFilters()
{
    if (m_filters.isEmpty())
        return;
    m_filters.clear();
    refilter();
}

// invalidateRowsFilter() reports every removed or inserted range; a sorted
// 100 000-row list gives tens of thousands of ranges, and the view updates its
// header for each. One layout change (the sort keys stay cached) is cheap.
void GridProxy::refilter()
{
    invalidate();
}

bool GridProxy::passes(int sourceRow, int exceptColumn) const
{
    const QAbstractItemModel *src = sourceModel();
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it) {
        if (it.key() == exceptColumn)
            continue;
        const QVariant v = src->index(sourceRow, it.key()).data(DataSetModel::RawRole);
        if (!it.value().contains(keyOf(v)))
            return false;
    }
    return true;
}

bool GridProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    return passes(sourceRow, -1) && QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

const QCollatorSortKey *GridProxy::sortKey(int sourceRow, int column) const
{
    const QAbstractItemModel *src = sourceModel();
    if (m_keyColumn != column) {
        m_keys.clear();
        const int rows = src->rowCount();
        m_keys.reserve(size_t(rows));
        for (int r = 0; r < rows; ++r)
            m_keys.push_back(m_collator.sortKey(src->index(r, column).data(DataSetModel::RawRole).toString()));
        m_keyColumn = column;
    }
    return sourceRow >= 0 && size_t(sourceRow) < m_keys.size() ? &m_keys[size_t(sourceRow)] : nullptr;
}

int GridProxy::compareRaw(const QVariant &a, const QVariant &b) const
{
    // Nulls first, then numbers by value, text by the collation.
    if (!a.isValid() || !b.isValid())
        return int(a.isValid()) - int(b.isValid());
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return m_collator.compare(a.toString(), b.toString());
    const double x = a.toDouble(), y = b.toDouble();
    return x < y ? -1 : (y < x ? 1 : 0);
}

bool GridProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(DataSetModel::RawRole);
    const QVariant b = right.data(DataSetModel::RawRole);
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        const QCollatorSortKey *ka = sortKey(left.row(), left.column());
        const QCollatorSortKey *kb = sortKey(right.row(), right.column());
        if (ka && kb)
            return ka->compare(*kb) < 0;
    }
    return compareRaw(a, b) < 0;
}

QList<GridProxy::FilterValue> GridProxy::distinctValues(int column, int cap, bool *truncated) const
{
    struct Found {
        QVariant raw;
        int firstRow;
        int rows;
    };
    const QAbstractItemModel *src = sourceModel();
    QHash<QString, qsizetype> seen;
    QList<Found> found;
    const int rowCount = src ? src->rowCount() : 0;
    for (int r = 0; r < rowCount; ++r) {
        if (!passes(r, column))
            continue;
        const QVariant v = src->index(r, column).data(DataSetModel::RawRole);
        const QString key = keyOf(v);
        const auto it = seen.constFind(key);
        if (it != seen.cend()) {
            ++found[*it].rows;
            continue;
        }
        seen.insert(key, found.size());
        found.append({v, r, 1});
    }
    std::sort(found.begin(), found.end(),
              [this](const Found &a, const Found &b) { return compareRaw(a.raw, b.raw) < 0; });
    if (truncated)
        *truncated = found.size() > cap;
    if (found.size() > cap)
        found.resize(cap);

    // Only the offered values get their text made.
    QList<FilterValue> out;
    out.reserve(found.size());
    for (const Found &f : std::as_const(found)) {
        const QModelIndex idx = src->index(f.firstRow, column);
        FilterValue fv{keyOf(f.raw), idx.data(Qt::DisplayRole).toString(),
                       idx.data(Qt::DecorationRole).value<QIcon>(), f.rows};
        if (fv.text.isEmpty())
            fv.text = idx.data(Qt::ToolTipRole).toString();
        const QVariant check = idx.data(Qt::CheckStateRole);
        if (fv.text.isEmpty() && check.isValid())
            fv.text = check.toInt() == Qt::Checked ? tr("Seçili") : tr("Seçili değil");
        out.append(fv);
    }
    return out;
}
