#include "gridfooter.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

GridFooter::GridFooter(QTableView *view, QWidget *parent) : QWidget(parent), m_view(view)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHeaderView *header = view->horizontalHeader();
    auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::sectionCountChanged, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

QSize GridFooter::sizeHint() const
{
    return QSize(100, fontMetrics().height() + 8);
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window).darker(104));
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(rect().topLeft(), rect().topRight());
    if (!m_source)
        return;

    // Where the view's viewport starts, in our coordinates.
    const QWidget *vp = m_view->viewport();
    const int left = vp->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    p.setClipRect(QRect(left, 0, vp->width(), height()));

    const QHeaderView *header = m_view->horizontalHeader();
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QFontMetrics fm(bold);
    for (int logical = 0; logical < header->count(); ++logical) {
        if (header->isSectionHidden(logical))
            continue;
        const QString text = m_source(logical);
        if (text.isEmpty())
            continue;
        QRect cell(left + header->sectionViewportPosition(logical), 2, header->sectionSize(logical), height() - 4);
        const Qt::Alignment align = m_align ? m_align(logical) : Qt::AlignRight;
        // A total wider than its column grows into the empty footer beside it
        // rather than being cut: a clipped amount is worse than none.
        const int needed = fm.horizontalAdvance(text) + 10;
        if (needed > cell.width()) {
            if (align & Qt::AlignRight)
                cell.setLeft(cell.right() - needed);
            else
                cell.setWidth(needed);
        }
        p.fillRect(cell, pal.color(QPalette::Window).darker(104));
        p.setPen(pal.color(QPalette::Mid));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(cell.adjusted(4, 0, -4, 0), int(Qt::AlignVCenter | (align & Qt::AlignHorizontal_Mask)), text);
    }
}
