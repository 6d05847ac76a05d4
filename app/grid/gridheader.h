#pragma once
// Column header with a filter button in each filterable section (shown on
// hover, and always while the column is filtered) and columns that can be
// pinned in place.

#include <QHeaderView>
#include <functional>

class GridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit GridHeader(QWidget *parent = nullptr);

    // Per logical column; asked while painting and on presses.
    void setFilterable(std::function<bool(int)> filterable) { m_filterable = std::move(filterable); }
    void setFiltered(std::function<bool(int)> filtered) { m_filtered = std::move(filtered); }
    void setMovable(std::function<bool(int)> movable) { m_movable = std::move(movable); }

    // Width the section needs for its caption, sort arrow and filter button.
    int contentWidth(int logical) const;

    // The button's rectangle in viewport coordinates.
    QRect filterButtonRect(int logical) const;

signals:
    void filterButtonClicked(int logical, const QPoint &globalPos);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    QRect buttonRect(const QRect &section) const;

    std::function<bool(int)> m_filterable;
    std::function<bool(int)> m_filtered;
    std::function<bool(int)> m_movable;
    int m_hover = -1;
    bool m_swallowRelease = false;
    bool m_restoreMovable = false;
};
