#include "busyindicator.h"

#include <QPainter>
#include <QTimer>

BusyIndicator::BusyIndicator(QWidget *parent)
    : QWidget(parent), m_timer(new QTimer(this))
{
    setFixedSize(22, 22);
    m_timer->setInterval(60);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_angle = (m_angle + 30) % 360;
        update();
    });
    hide();
}

void BusyIndicator::start()
{
    show();
    m_timer->start();
}

void BusyIndicator::stop()
{
    m_timer->stop();
    hide();
}

bool BusyIndicator::running() const
{
    return m_timer->isActive();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    p.rotate(m_angle);
    for (int i = 0; i < 12; ++i) {
        QColor c(0x1f, 0x5f, 0xa8);
        c.setAlphaF(0.15 + 0.85 * (i / 11.0));
        p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -5), QPointF(0, -9));
        p.rotate(30);
    }
}
