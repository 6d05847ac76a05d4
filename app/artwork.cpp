#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap zerdaLogo(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    // A stylised wheel: the distributor's mark.
    const QRectF wheel(h * 0.08, h * 0.08, h * 0.84, h * 0.84);
    QLinearGradient g(wheel.topLeft(), wheel.bottomRight());
    g.setColorAt(0, QColor(0xd9, 0x3a, 0x2b));
    g.setColorAt(1, QColor(0x9e, 0x1f, 0x14));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(wheel);
    p.setBrush(Qt::white);
    p.drawEllipse(wheel.center(), h * 0.16, h * 0.16);
    p.setPen(QPen(Qt::white, h * 0.06, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(wheel.center());
        p.rotate(i * 72);
        p.drawLine(QPointF(0, -h * 0.2), QPointF(0, -h * 0.34));
        p.restore();
    }
    if (size.width() > size.height() * 2) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(int(h * 0.46));
        p.setFont(f);
        p.setPen(QColor(0x1d, 0x2b, 0x4a));
        const QRectF text(h * 1.05, 0, size.width() - h * 1.05, h * 0.62);
        p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("ZERDA"));
        f.setBold(false);
        f.setPixelSize(int(h * 0.2));
        p.setFont(f);
        p.setPen(QColor(0x5a, 0x66, 0x7d));
        p.drawText(QRectF(h * 1.07, h * 0.62, size.width() - h * 1.07, h * 0.3), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("OTOMOTİV B2B"));
    }
    return pm;
}

QIcon zerdaIcon()
{
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64})
        icon.addPixmap(zerdaLogo(QSize(s, s)));
    return icon;
}
