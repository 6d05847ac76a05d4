#pragma once
// Table model over an in-memory dataset, one model column per grid column.
// Text is made inside data() for the rows the view asks for, never up front:
// a stock list holds 100 000 rows and the view paints thirty of them.

#include "gridcolumn.h"

#include <QAbstractTableModel>
#include <QList>
#include <span>

class TClientDataSet;

class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // EditRole and RawRole give the typed value (int, qint64, double, QString;
    // invalid for null), for sorting and filtering.
    static constexpr int RawRole = Qt::UserRole;

    explicit DataSetModel(std::span<const GridColumn> columns, QObject *parent = nullptr);
    ~DataSetModel() override;

    // Attach a dataset, or detach with nullptr: detached, the model is empty
    // and never touches the dataset, which a worker may then be filling.
    // Detach before the dataset is destroyed.
    void setDataSet(TClientDataSet *ds);
    TClientDataSet *dataSet() const { return m_ds; }

    const GridColumn &column(int col) const { return m_columns[col]; }
    // Model column of a field or unbound-column name, -1 when there is none.
    int columnOf(const QString &key) const;
    // Dataset field behind a model column, -1 when unbound or not in the data.
    int fieldIndex(int col) const { return m_fieldIndex.value(col, -1); }
    bool isNumeric(int col) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void reload();          // inside a model reset
    bool readable(int row, int field) const;
    QVariant raw(int row, int col) const;

    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex;
    TClientDataSet *m_ds = nullptr;
    int m_observer = 0;
    int m_rows = 0; // taken at each reset, so a view never sees rows it was not told about
};
