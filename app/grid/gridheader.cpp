#include "gridheader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kButtonWidth = 14;
}

GridHeader::GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setMouseTracking(true);
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QRect GridHeader::buttonRect(const QRect &section) const
{
    if (section.width() < 2 * kButtonWidth)
        return {};
    return QRect(section.right() - kButtonWidth - 2, section.top() + 1, kButtonWidth, section.height() - 2);
}

int GridHeader::contentWidth(int logical) const
{
    const int button = (m_filterable && m_filterable(logical)) ? kButtonWidth + 2 : 0;
    return sectionSizeFromContents(logical).width() + button;
}

QRect GridHeader::filterButtonRect(int logical) const
{
    if (logical < 0 || isSectionHidden(logical) || !(m_filterable && m_filterable(logical)))
        return {};
    return buttonRect(QRect(sectionViewportPosition(logical), 0, sectionSize(logical), height()));
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    // The base class leaves its clip behind; keep ours.
    painter->save();
    QHeaderView::paintSection(painter, rect, logical);
    painter->restore();
    if (!(m_filterable && m_filterable(logical)))
        return;
    const bool filtered = m_filtered && m_filtered(logical);
    if (!filtered && logical != m_hover)
        return;
    const QRect r = buttonRect(rect);
    if (r.isEmpty())
        return;
    // A small funnel; filled in the highlight colour while the column is filtered.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(r).center();
    QPainterPath funnel;
    funnel.moveTo(c.x() - 4.5, c.y() - 4);
    funnel.lineTo(c.x() + 4.5, c.y() - 4);
    funnel.lineTo(c.x() + 1, c.y() + 0.5);
    funnel.lineTo(c.x() + 1, c.y() + 4.5);
    funnel.lineTo(c.x() - 1, c.y() + 3.5);
    funnel.lineTo(c.x() - 1, c.y() + 0.5);
    funnel.closeSubpath();
    const QColor ink = filtered ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    painter->setPen(QPen(ink.darker(120), 1));
    painter->setBrush(filtered ? ink : Qt::transparent);
    painter->drawPath(funnel);
    painter->restore();
}

void GridHeader::mousePressEvent(QMouseEvent *e)
{
    const int logical = logicalIndexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && filterButtonRect(logical).contains(e->position().toPoint())) {
        m_swallowRelease = true; // not a sort click
        emit filterButtonClicked(logical, e->globalPosition().toPoint());
        return;
    }
    // QHeaderView knows only "all sections movable": pin this one for the drag.
    if (sectionsMovable() && logical >= 0 && m_movable && !m_movable(logical)) {
        setSectionsMovable(false);
        m_restoreMovable = true;
    }
    QHeaderView::mousePressEvent(e);
}

void GridHeader::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_swallowRelease) {
        m_swallowRelease = false;
        return;
    }
    QHeaderView::mouseReleaseEvent(e);
    if (m_restoreMovable) {
        m_restoreMovable = false;
        setSectionsMovable(true);
    }
}

void GridHeader::mouseMoveEvent(QMouseEvent *e)
{
    const int logical = logicalIndexAt(e->position().toPoint());
    if (logical != m_hover) {
        m_hover = logical;
        viewport()->update();
    }
    QHeaderView::mouseMoveEvent(e);
}

void GridHeader::leaveEvent(QEvent *e)
{
    m_hover = -1;
    viewport()->update();
    QHeaderView::leaveEvent(e);
}
