#pragma once
// Summary row under a table view: one cell per column, kept under its column
// through resizes, moves, hiding and horizontal scrolling.

#include <QHash>
#include <QWidget>
#include <functional>

class QTableView;

class GridFooter : public QWidget
{
    Q_OBJECT
public:
    explicit GridFooter(QTableView *view, QWidget *parent = nullptr);

    // Called before painting to get each logical column's text; the grid
    // computes lazily, so a filter that removes rows in many ranges costs one pass.
    void setTextSource(std::function<QString(int logical)> source) { m_source = std::move(source); }
    void setAlignment(std::function<Qt::Alignment(int logical)> align) { m_align = std::move(align); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QTableView *m_view;
    std::function<QString(int)> m_source;
    std::function<Qt::Alignment(int)> m_align;
};
