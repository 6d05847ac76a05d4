#pragma once
// The list grid every window is built from: a read-only table view over a
// dataset, made from the window's static column table, with header sorting
// and value filters, a column chooser, incremental search, a summary footer
// and the proportional width layout.

#include "gridcolumn.h"
#include "gridproxy.h"

#include <QHash>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <span>

class DataSetModel;
class GridDelegate;
class GridFooter;
class GridHeader;
class QMenu;
class QPainter;
class QStyleOptionViewItem;
class QTableView;
class TClientDataSet;

class DataGrid : public QWidget
{
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter *, const QStyleOptionViewItem &, int datasetRow)>;

    // `columns` is copied; columns are named by `key` (field, or the name of an unbound column).
    explicit DataGrid(std::span<const GridColumn> columns, QWidget *parent = nullptr);
    ~DataGrid() override;

    // --- data -------------------------------------------------------------
    // Remember the dataset and attach it.
    void setDataSet(TClientDataSet *ds);
    TClientDataSet *dataSet() const { return m_ds; }
    // Detached, the view shows nothing and never reads the dataset, so a
    // worker may fill it; attach() shows it again.
    void detach();
    void attach();
    bool isAttached() const;

    // Nested; the view repaints once, at the outermost endUpdate().
    void beginUpdate();
    void endUpdate();

    // --- columns ----------------------------------------------------------
    int columnCount() const;
    int columnIndex(const QString &key) const; // -1 when unknown
    const GridColumn &column(int index) const;
    void setColumnVisible(const QString &key, bool visible);
    bool isColumnVisible(const QString &key) const;
    // Offer the column in the column chooser, or withdraw it.
    void setColumnOffered(const QString &key, bool offered);
    bool isColumnOffered(const QString &key) const;
    // Keys the column chooser lists, in display order.
    QStringList chooserColumns() const;
    void setColumnWidth(const QString &key, int width);
    int columnWidth(const QString &key) const;
    // Draws the cells of a Kind::Custom column.
    void setCustomPainter(const QString &key, Painter painter);

    // --- layout -----------------------------------------------------------
    // Each visible column gets weight × weightUnit(width(), sum of visible
    // weights), at least its minimum width; weight-0 columns keep their width.
    void layoutByWeights();
    // Size the visible, resizable columns to their header and content; the
    // content is measured on the first 200 rows from the top of the view.
    void bestFit();
    void setRowHeight(int px);
    int rowHeight() const;

    // --- header filter ----------------------------------------------------
    // Distinct values of a column for its filter list (capped at 1000).
    QList<GridProxy::FilterValue> filterValues(const QString &key, bool *truncated = nullptr) const;
    // Show only rows whose raw value (GridProxy::keyOf) is one of `keys`; empty clears.
    void setColumnFilter(const QString &key, const QSet<QString> &keys);
    void clearFilter();
    bool isFiltered() const;
    int rowCount() const; // rows shown, after the filters

    // --- footer -----------------------------------------------------------
    // Row count, or the sum formatted "#,###,##0.00", under a column; over the rows shown.
    void setFooterCount(const QString &key);
    void setFooterSum(const QString &key);
    void clearFooter();
    QString footerText(const QString &key) const;

    // --- focused row ------------------------------------------------------
    bool hasFocusedRow() const;
    // Dataset row of the focused view row, through sort and filter; -1 when none.
    int focusedRecord() const;
    // Focus the view row showing a dataset row; false when filtered out.
    bool focusRecord(int datasetRow);
    // Caption of the focused column (its key when it has none).
    QString focusedColumnCaption() const;
    void setFocusedColumn(const QString &key);
    // Raw value of any dataset field on the focused record; invalid when none.
    QVariant focusedValue(const QString &field) const;

    // What incremental search has collected so far.
    QString searchText() const { return m_search; }

    // Row context menu; not owned.
    void setPopupMenu(QMenu *menu) { m_popup = menu; }
    // Header menu: sorting, filter, best fit and the column chooser ("Sütun Seçimi").
    QMenu *createHeaderMenu(int column, QWidget *parent);

    QTableView *view() const { return m_view; }

signals:
    void doubleClicked();
    void resized();
    void focusedRowChanged();

protected:
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    enum class Summary { Count, Sum };

    int keyColumn(const QString &key) const;
    void applyColumnRules();
    void fitColumn(int column);
    void onRowsChanged();
    void computeFooter() const;
    QString cellText(int proxyRow, int column) const;
    bool searchFor(const QString &text, int fromRow);
    bool handleSearchKey(QKeyEvent *e);
    void showFilterPopup(int column, const QPoint &globalPos);
    void showHeaderMenu(const QPoint &pos);
    void showRowMenu(const QPoint &pos);
    int firstVisibleColumn() const;

    DataSetModel *m_model;
    GridProxy *m_proxy;
    QTableView *m_view;
    GridHeader *m_header;
    GridFooter *m_footer;
    GridDelegate *m_delegate;
    TClientDataSet *m_ds = nullptr;
    QMenu *m_popup = nullptr;
    QList<bool> m_offered;
    QHash<int, Summary> m_summaries;
    mutable QHash<int, QString> m_footerTexts;
    mutable bool m_footerDirty = true;
    int m_updateDepth = 0;
    QString m_search;
    int m_searchRow = 0;
    QTimer m_searchTimer;
};
