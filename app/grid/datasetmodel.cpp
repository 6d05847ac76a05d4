#include "datasetmodel.h"

#include "clientdataset.h"
#include "iconset.h"

DataSetModel::DataSetModel(std::span<const GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(columns.begin(), columns.end())
{
    m_fieldIndex.fill(-1, m_columns.size());
}

DataSetModel::~DataSetModel()
{
    if (m_ds)
        m_ds->removeObserver(m_observer);
}

void DataSetModel::setDataSet(TClientDataSet *ds)
{
    if (ds == m_ds)
        return;
    beginResetModel();
    if (m_ds)
        m_ds->removeObserver(m_observer);
    m_ds = ds;
    m_observer = 0;
    if (m_ds) {
        m_observer = m_ds->addObserver([this](TClientDataSet::Change change, int row) {
            if (change == TClientDataSet::Change::Row && row >= 0 && row < m_rows) {
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
                return;
            }
            beginResetModel();
            reload();
            endResetModel();
        });
    }
    reload();
    endResetModel();
}

void DataSetModel::reload()
{
    m_rows = m_ds ? m_ds->RecordCount() : 0;
    for (int c = 0; c < m_columns.size(); ++c) {
        const QString &field = m_columns[c].field;
        m_fieldIndex[c] = (m_ds && !field.isEmpty()) ? m_ds->data().indexOf(field) : -1;
    }
}

int DataSetModel::columnOf(const QString &key) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].key().compare(key, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

bool DataSetModel::isNumeric(int col) const
{
    const int f = fieldIndex(col);
    if (f < 0 || !m_ds || f >= m_ds->FieldCount())
        return false;
    switch (m_ds->data().fields()[f].type) {
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Float:
    case FieldType::Currency:
        return true;
    default:
        return false;
    }
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

// A dataset can be refilled behind the view while its controls are disabled;
// the reset comes later, so reads are checked against what is really there.
bool DataSetModel::readable(int row, int field) const
{
    return m_ds && field >= 0 && field < m_ds->FieldCount() && row >= 0 && row < m_ds->RecordCount();
}

QVariant DataSetModel::raw(int row, int col) const
{
    const int f = fieldIndex(col);
    return readable(row, f) ? m_ds->data().value(row, f) : QVariant();
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const GridColumn &col = m_columns[index.column()];
    const int row = index.row();
    const int f = fieldIndex(index.column());

    switch (role) {
    case Qt::DisplayRole:
        if (col.kind == Kind::Icon || col.kind == Kind::Check)
            return {};
        return readable(row, f) ? m_ds->displayText(row, f) : QString();
    case Qt::EditRole:
    case RawRole:
        return raw(row, index.column());
    case Qt::TextAlignmentRole:
        if (col.align)
            return QVariant::fromValue(col.align);
        if (col.kind == Kind::Icon || col.kind == Kind::Check)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter)
                                   | (isNumeric(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::DecorationRole:
    case Qt::ToolTipRole:
        if (col.kind == Kind::Icon && col.icons && readable(row, f) && !m_ds->data().isNull(row, f)) {
            const IconSet &set = col.icons();
            const int v = int(m_ds->data().intValue(row, f));
            return role == Qt::DecorationRole ? QVariant(set.icon(v)) : QVariant(set.text(v));
        }
        return {};
    case Qt::CheckStateRole:
        if (col.kind != Kind::Check)
            return {};
        return (readable(row, f) && !m_ds->data().isNull(row, f) && m_ds->data().intValue(row, f) == 1)
                   ? Qt::Checked
                   : Qt::Unchecked;
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn &col = m_columns[section];
    switch (role) {
    case Qt::DisplayRole:
        return col.flags.headerCaptionHidden ? QString() : col.headerText();
    case Qt::ToolTipRole:
        return col.caption.isEmpty() ? QVariant() : QVariant(col.caption);
    default:
        return {};
    }
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex &index) const
{
    // Check boxes are not user-checkable: the window changes SEC through its
    // own logic (and the server), never by a click on the cell.
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
