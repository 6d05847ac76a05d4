#include "datagrid.h"

#include "clientdataset.h"
#include "datasetmodel.h"
#include "filterpopup.h"
#include "griddelegate.h"
#include "gridfooter.h"
#include "gridheader.h"
#include "numfmt.h"

#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int kBestFitRows = 200;
constexpr int kFilterValueCap = 1000;
constexpr int kSearchPauseMs = 1000;
} // namespace

DataGrid::DataGrid(std::span<const GridColumn> columns, QWidget *parent)
    : QWidget(parent),
      m_model(new DataSetModel(columns, this)),
      m_proxy(new GridProxy(this)),
      m_view(new QTableView(this)),
      m_header(new GridHeader(m_view)),
      m_footer(new GridFooter(m_view, this)),
      m_delegate(new GridDelegate(m_model, m_proxy, this))
{
    m_proxy->setSourceModel(m_model);

    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_proxy);
    m_view->setItemDelegate(m_delegate);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->verticalHeader()->hide();
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->installEventFilter(this);
    setFocusProxy(m_view);

    // Uniform rows: the view never asks the model for row heights.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setRowHeight(m_view->fontMetrics().height() + 6);

    m_header->setMinimumSectionSize(8);
    m_header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_header->setFilterable([this](int c) { return m_model->column(c).flags.filterable; });
    m_header->setFiltered([this](int c) { return m_proxy->hasValueFilter(c); });
    m_header->setMovable([this](int c) { return m_model->column(c).flags.movable; });
    // No sort until the user asks for one: rows stay in the server's order.
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);

    m_footer->setTextSource([this](int c) {
        computeFooter();
        return m_footerTexts.value(c);
    });
    m_footer->setAlignment([this](int c) {
        return m_summaries.value(c) == Summary::Sum ? Qt::AlignRight : Qt::AlignLeft;
    });
    m_footer->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);

    m_offered.reserve(columns.size());
    for (const GridColumn &c : columns)
        m_offered.append(c.show == Show::Yes || c.show == Show::Available);
    applyColumnRules();

    m_searchTimer.setSingleShot(true);
    m_searchTimer.setInterval(kSearchPauseMs);
    connect(&m_searchTimer, &QTimer::timeout, this, [this] { m_search.clear(); });

    connect(m_proxy, &QAbstractItemModel::modelReset, this, &DataGrid::onRowsChanged);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &DataGrid::onRowsChanged);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &DataGrid::onRowsChanged);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &DataGrid::onRowsChanged);
    connect(m_proxy, &QAbstractItemModel::dataChanged, this, &DataGrid::onRowsChanged);

    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &i) {
        if (i.isValid())
            emit doubleClicked();
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        emit focusedRowChanged();
    });
    connect(m_view, &QWidget::customContextMenuRequested, this, &DataGrid::showRowMenu);
    connect(m_header, &QWidget::customContextMenuRequested, this, &DataGrid::showHeaderMenu);
    connect(m_header, &GridHeader::filterButtonClicked, this, &DataGrid::showFilterPopup);
    connect(m_header, &QHeaderView::sectionResized, this, [this](int c, int, int size) {
        const int min = m_model->column(c).flags.minWidth;
        if (size > 0 && size < min)
            m_header->resizeSection(c, min);
    });
}

DataGrid::~DataGrid()
{
    // The model must stop observing the dataset, which may outlive us.
    m_model->setDataSet(nullptr);
}

void DataGrid::applyColumnRules()
{
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const GridColumn &col = m_model->column(c);
        m_view->setColumnHidden(c, col.show == Show::Available || col.show == Show::Never);
        if (col.flags.fixedWidth)
            m_header->setSectionResizeMode(c, QHeaderView::Fixed);
        if (col.flags.minWidth > 0)
            m_header->resizeSection(c, col.flags.minWidth);
    }
}

// --- data -----------------------------------------------------------------

void DataGrid::setDataSet(TClientDataSet *ds)
{
    m_ds = ds;
    attach();
}

void DataGrid::detach()
{
    m_model->setDataSet(nullptr);
}

void DataGrid::attach()
{
    m_model->setDataSet(m_ds);
}

bool DataGrid::isAttached() const
{
    return m_model->dataSet() != nullptr;
}

void DataGrid::beginUpdate()
{
    if (m_updateDepth++ == 0)
        setUpdatesEnabled(false);
}

void DataGrid::endUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    setUpdatesEnabled(true);
    m_view->viewport()->update();
    m_footer->update();
}

void DataGrid::onRowsChanged()
{
    m_footerDirty = true;
    m_footer->update();
    // A freshly loaded or filtered list keeps a focused row, as windows act on it.
    if (!m_view->currentIndex().isValid() && m_proxy->rowCount() > 0) {
        const int col = firstVisibleColumn();
        if (col >= 0)
            m_view->selectionModel()->setCurrentIndex(m_proxy->index(0, col),
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

// --- columns --------------------------------------------------------------

int DataGrid::columnCount() const
{
    return m_model->columnCount();
}

int DataGrid::columnIndex(const QString &key) const
{
    return m_model->columnOf(key);
}

const GridColumn &DataGrid::column(int index) const
{
    return m_model->column(index);
}

int DataGrid::keyColumn(const QString &key) const
{
    const int c = m_model->columnOf(key);
    Q_ASSERT_X(c >= 0, "DataGrid", qPrintable(QStringLiteral("no column %1").arg(key)));
    return c;
}

void DataGrid::setColumnVisible(const QString &key, bool visible)
{
    const int c = keyColumn(key);
    if (c < 0 || m_view->isColumnHidden(c) == !visible)
        return;
    m_view->setColumnHidden(c, !visible);
    if (visible && m_header->sectionSize(c) < m_model->column(c).flags.minWidth)
        m_header->resizeSection(c, m_model->column(c).flags.minWidth);
    m_footer->update();
}

bool DataGrid::isColumnVisible(const QString &key) const
{
    const int c = m_model->columnOf(key);
    return c >= 0 && !m_view->isColumnHidden(c);
}

void DataGrid::setColumnOffered(const QString &key, bool offered)
{
    const int c = keyColumn(key);
    if (c >= 0)
        m_offered[c] = offered;
}

bool DataGrid::isColumnOffered(const QString &key) const
{
    const int c = m_model->columnOf(key);
    return c >= 0 && m_offered[c];
}

QStringList DataGrid::chooserColumns() const
{
    QStringList keys;
    for (int v = 0; v < m_header->count(); ++v) {
        const int c = m_header->logicalIndex(v);
        if (m_offered[c])
            keys.append(m_model->column(c).key());
    }
    return keys;
}

void DataGrid::setColumnWidth(const QString &key, int width)
{
    const int c = keyColumn(key);
    if (c >= 0)
        m_header->resizeSection(c, qMax(width, m_model->column(c).flags.minWidth));
}

int DataGrid::columnWidth(const QString &key) const
{
    const int c = m_model->columnOf(key);
    return c >= 0 ? m_header->sectionSize(c) : 0;
}

void DataGrid::setCustomPainter(const QString &key, Painter painter)
{
    const int c = keyColumn(key);
    if (c >= 0)
        m_delegate->setCustomPainter(c, std::move(painter));
}

int DataGrid::firstVisibleColumn() const
{
    for (int v = 0; v < m_header->count(); ++v)
        if (!m_header->isSectionHidden(m_header->logicalIndex(v)))
            return m_header->logicalIndex(v);
    return -1;
}

// --- layout ---------------------------------------------------------------

void DataGrid::layoutByWeights()
{
    int sum = 0;
    for (int c = 0; c < columnCount(); ++c)
        if (!m_view->isColumnHidden(c))
            sum += m_model->column(c).weight;
    const int unit = weightUnit(width(), sum);
    beginUpdate();
    for (int c = 0; c < columnCount(); ++c) {
        const GridColumn &col = m_model->column(c);
        if (!m_view->isColumnHidden(c) && col.weight > 0)
            m_header->resizeSection(c, qMax(col.weight * unit, col.flags.minWidth));
    }
    endUpdate();
}

void DataGrid::bestFit()
{
    // A 100 000-row list must not be measured whole: the rows from the top
    // of the view are a fair sample of what the user sees.
    beginUpdate();
    for (int c = 0; c < columnCount(); ++c)
        if (!m_view->isColumnHidden(c) && !m_model->column(c).flags.fixedWidth)
            fitColumn(c);
    endUpdate();
}

void DataGrid::fitColumn(int column)
{
    const GridColumn &col = m_model->column(column);
    const int first = qMax(0, m_view->rowAt(0));
    const int last = qMin(m_proxy->rowCount(), first + kBestFitRows);
    int w = col.flags.headerCaptionHidden ? 0 : m_header->contentWidth(column);
    for (int r = first; r < last; ++r)
        w = qMax(w, m_view->sizeHintForIndex(m_proxy->index(r, column)).width() + 1);
    m_header->resizeSection(column, qMax(w, col.flags.minWidth));
}

void DataGrid::setRowHeight(int px)
{
    QHeaderView *rows = m_view->verticalHeader();
    rows->setMinimumSectionSize(qMin(px, rows->minimumSectionSize()));
    rows->setDefaultSectionSize(px);
}

int DataGrid::rowHeight() const
{
    return m_view->verticalHeader()->defaultSectionSize();
}

void DataGrid::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    emit resized();
}

// --- filter ---------------------------------------------------------------

QList<GridProxy::FilterValue> DataGrid::filterValues(const QString &key, bool *truncated) const
{
    const int c = m_model->columnOf(key);
    return c >= 0 ? m_proxy->distinctValues(c, kFilterValueCap, truncated) : QList<GridProxy::FilterValue>();
}

void DataGrid::setColumnFilter(const QString &key, const QSet<QString> &keys)
{
    const int c = keyColumn(key);
    if (c < 0)
        return;
    m_proxy->setValueFilter(c, keys);
    m_header->viewport()->update();
}

void DataGrid::clearFilter()
{
    m_proxy->clearValueFilters();
    m_header->viewport()->update();
}

bool DataGrid::isFiltered() const
{
    return m_proxy->hasAnyFilter();
}

int DataGrid::rowCount() const
{
    return m_proxy->rowCount();
}

void DataGrid::showFilterPopup(int column, const QPoint &globalPos)
{
    bool truncated = false;
    const auto values = m_proxy->distinctValues(column, kFilterValueCap, &truncated);
    auto *popup = new FilterPopup(values, m_proxy->valueFilter(column), truncated, this);
    connect(popup, &FilterPopup::applied, this, [this, column](const QSet<QString> &keys) {
        m_proxy->setValueFilter(column, keys);
        m_header->viewport()->update();
    });
    popup->adjustSize();
    QPoint at = globalPos;
    if (const QScreen *s = screen()) {
        const QRect avail = s->availableGeometry();
        at.setX(qMin(at.x(), avail.right() - popup->width()));
        at.setY(qMin(at.y(), avail.bottom() - popup->height()));
    }
    popup->move(at);
    popup->show();
}

// --- footer ---------------------------------------------------------------

void DataGrid::setFooterCount(const QString &key)
{
    const int c = keyColumn(key);
    if (c < 0)
        return;
    m_summaries.insert(c, Summary::Count);
    m_footerDirty = true;
    m_footer->show();
}

void DataGrid::setFooterSum(const QString &key)
{
    const int c = keyColumn(key);
    if (c < 0)
        return;
    m_summaries.insert(c, Summary::Sum);
    m_footerDirty = true;
    m_footer->show();
}

void DataGrid::clearFooter()
{
    m_summaries.clear();
    m_footerTexts.clear();
    m_footer->hide();
}

QString DataGrid::footerText(const QString &key) const
{
    computeFooter();
    return m_footerTexts.value(m_model->columnOf(key));
}

// Lazy: filtering can report removed rows in many small ranges, and the sums
// are made once, when the footer is painted or read.
void DataGrid::computeFooter() const
{
    if (!m_footerDirty)
        return;
    m_footerDirty = false;
    m_footerTexts.clear();
    const int rows = m_proxy->rowCount();
    for (auto it = m_summaries.cbegin(); it != m_summaries.cend(); ++it) {
        if (it.value() == Summary::Count) {
            m_footerTexts.insert(it.key(), QString::number(rows));
            continue;
        }
        double sum = 0;
        for (int r = 0; r < rows; ++r)
            sum += m_proxy->index(r, it.key()).data(DataSetModel::RawRole).toDouble();
        m_footerTexts.insert(it.key(), formatFloat(moneyFormat(), sum));
    }
}

// --- focused row ----------------------------------------------------------

bool DataGrid::hasFocusedRow() const
{
    return m_view->currentIndex().isValid();
}

int DataGrid::focusedRecord() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_proxy->mapToSource(current).row() : -1;
}

bool DataGrid::focusRecord(int datasetRow)
{
    const int col = qMax(0, m_view->currentIndex().isValid() ? m_view->currentIndex().column() : firstVisibleColumn());
    const QModelIndex idx = m_proxy->mapFromSource(m_model->index(datasetRow, col));
    if (!idx.isValid())
        return false;
    m_view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(idx);
    return true;
}

QString DataGrid::focusedColumnCaption() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->column(current.column()).headerText() : QString();
}

void DataGrid::setFocusedColumn(const QString &key)
{
    const int c = keyColumn(key);
    const QModelIndex current = m_view->currentIndex();
    if (c >= 0 && current.isValid())
        m_view->selectionModel()->setCurrentIndex(m_proxy->index(current.row(), c), QItemSelectionModel::NoUpdate);
}

QVariant DataGrid::focusedValue(const QString &field) const
{
    const TClientDataSet *ds = m_model->dataSet();
    const int row = focusedRecord();
    if (!ds || row < 0 || row >= ds->RecordCount())
        return {};
    const int f = ds->data().indexOf(field);
    return f >= 0 ? ds->data().value(row, f) : QVariant();
}

// --- incremental search ---------------------------------------------------

QString DataGrid::cellText(int proxyRow, int column) const
{
    const QModelIndex idx = m_proxy->index(proxyRow, column);
    const QString text = idx.data(Qt::DisplayRole).toString();
    return text.isEmpty() ? idx.data(Qt::ToolTipRole).toString() : text;
}

bool DataGrid::searchFor(const QString &text, int fromRow)
{
    int col = m_view->currentIndex().column();
    if (col < 0)
        col = firstVisibleColumn();
    if (col < 0)
        return false;
    const QLocale locale;
    const QString needle = locale.toLower(text);
    for (int r = fromRow; r < m_proxy->rowCount(); ++r) {
        if (!locale.toLower(cellText(r, col)).startsWith(needle))
            continue;
        const QModelIndex idx = m_proxy->index(r, col);
        m_view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_view->scrollTo(idx);
        m_searchRow = r;
        return true;
    }
    return false;
}

bool DataGrid::handleSearchKey(QKeyEvent *e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (e->key() == Qt::Key_Escape && !m_search.isEmpty()) {
        m_search.clear();
        return true;
    }
    if (e->key() == Qt::Key_Backspace && !m_search.isEmpty()) {
        m_search.chop(1);
        if (!m_search.isEmpty())
            searchFor(m_search, 0);
        m_searchTimer.start();
        return true;
    }
    const QString typed = e->text();
    if (typed.isEmpty() || !typed.at(0).isPrint() || (typed == QLatin1String(" ") && m_search.isEmpty()))
        return false;
    // A longer prefix cannot match above the row the shorter one found.
    const int from = m_search.isEmpty() ? 0 : m_searchRow;
    if (searchFor(m_search + typed, from))
        m_search += typed; // a key that matches nothing is dropped, so the search stays usable
    m_searchTimer.start();
    return true;
}

bool DataGrid::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_view && e->type() == QEvent::KeyPress && handleSearchKey(static_cast<QKeyEvent *>(e)))
        return true;
    return QWidget::eventFilter(watched, e);
}

// --- menus ----------------------------------------------------------------

void DataGrid::showRowMenu(const QPoint &pos)
{
    const QModelIndex idx = m_view->indexAt(pos);
    if (idx.isValid())
        m_view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (m_popup)
        m_popup->popup(m_view->viewport()->mapToGlobal(pos));
}

void DataGrid::showHeaderMenu(const QPoint &pos)
{
    QMenu *menu = createHeaderMenu(m_header->logicalIndexAt(pos), this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_header->viewport()->mapToGlobal(pos));
}

QMenu *DataGrid::createHeaderMenu(int column, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    if (column >= 0 && column < columnCount()) {
        menu->addAction(tr("Artan Sırala"), this, [this, column] { m_view->sortByColumn(column, Qt::AscendingOrder); });
        menu->addAction(tr("Azalan Sırala"), this, [this, column] { m_view->sortByColumn(column, Qt::DescendingOrder); });
        menu->addAction(tr("Sıralamayı Kaldır"), this, [this] {
            m_header->setSortIndicator(-1, Qt::AscendingOrder);
            m_proxy->sort(-1);
        });
        menu->addSeparator();
        if (m_model->column(column).flags.filterable) {
            menu->addAction(tr("Filtre..."), this, [this, column] {
                const QRect r = m_header->filterButtonRect(column);
                const QPoint at = r.isEmpty() ? QPoint(m_header->sectionViewportPosition(column), m_header->height())
                                              : r.bottomLeft();
                showFilterPopup(column, m_header->viewport()->mapToGlobal(at));
            });
        }
    }
    QAction *clear = menu->addAction(tr("Filtreyi Temizle"), this, &DataGrid::clearFilter);
    clear->setEnabled(isFiltered());
    menu->addSeparator();
    if (column >= 0 && column < columnCount() && !m_model->column(column).flags.fixedWidth) {
        menu->addAction(tr("En Uygun Genişlik"), this, [this, column] { fitColumn(column); });
    }
    menu->addAction(tr("Tüm Sütunlar En Uygun Genişlik"), this, &DataGrid::bestFit);
    menu->addSeparator();
    QMenu *chooser = menu->addMenu(tr("Sütun Seçimi"));
    for (const QString &key : chooserColumns()) {
        const int c = m_model->columnOf(key);
        QAction *a = chooser->addAction(m_model->column(c).headerText());
        a->setData(key);
        a->setCheckable(true);
        a->setChecked(!m_view->isColumnHidden(c));
        connect(a, &QAction::toggled, this, [this, key](bool on) { setColumnVisible(key, on); });
    }
    return menu;
}
