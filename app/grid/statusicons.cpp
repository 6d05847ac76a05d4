#include "statusicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <functional>

namespace {

// Every glyph is drawn on a 20 x 20 canvas and scaled, so each pixmap size is
// rendered from vectors rather than resampled.
using Glyph = std::function<void(QPainter &)>;

QIcon makeIcon(const Glyph &glyph)
{
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 20.0, size / 20.0);
        glyph(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPen whitePen(qreal width)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void disc(QPainter &p, const QColor &fill)
{
    p.setPen(QPen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
}

void letterBadge(QPainter &p, const QString &text, qreal pixelSize)
{
    QFont f;
    f.setBold(true);
    f.setPixelSize(int(pixelSize));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, text);
}

void drawNo(QPainter &p)
{
    disc(p, QColor(0xd3, 0x2f, 0x2f));
    p.setPen(whitePen(2.4));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
}

void drawYes(QPainter &p)
{
    disc(p, QColor(0x2e, 0x9d, 0x3f));
    p.setPen(whitePen(2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(5.5, 10.5);
    tick.lineTo(8.7, 13.6);
    tick.lineTo(14.5, 6.8);
    p.drawPath(tick);
}

void drawPhone(QPainter &p)
{
    const QColor orange(0xef, 0x7d, 0x00);
    p.setPen(QPen(orange.darker(130), 1));
    p.setBrush(orange);
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 4, 4);
    // Handset: two ear pieces joined by a curved grip.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath h;
    h.moveTo(5.0, 7.0);
    h.cubicTo(5.0, 4.6, 6.4, 4.0, 7.6, 4.6);
    h.lineTo(8.6, 7.2);
    h.lineTo(7.4, 8.4);
    h.cubicTo(8.0, 10.2, 9.8, 12.0, 11.6, 12.6);
    h.lineTo(12.8, 11.4);
    h.lineTo(15.4, 12.4);
    h.cubicTo(16.0, 13.6, 15.4, 15.0, 13.0, 15.0);
    h.cubicTo(8.6, 15.0, 5.0, 11.4, 5.0, 7.0);
    p.drawPath(h);
}

void drawTruck(QPainter &p)
{
    const QColor blue(0x1e, 0x6f, 0xd0);
    p.setPen(QPen(blue.darker(140), 0.8));
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(1.0, 5.0, 11.0, 8.5), 1, 1); // box
    QPainterPath cab;
    cab.moveTo(12.5, 7.5);
    cab.lineTo(16.0, 7.5);
    cab.lineTo(19.0, 10.5);
    cab.lineTo(19.0, 13.5);
    cab.lineTo(12.5, 13.5);
    cab.closeSubpath();
    p.drawPath(cab);
    p.setBrush(QColor(0xcf, 0xe6, 0xff));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13.5, 8.5, 2.4, 2.0)); // window
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 0.8));
    p.setBrush(QColor(0x44, 0x44, 0x44));
    p.drawEllipse(QPointF(4.5, 14.5), 2.0, 2.0);
    p.drawEllipse(QPointF(15.5, 14.5), 2.0, 2.0);
}

void drawStar(QPainter &p)
{
    const QColor purple(0x7b, 0x3f, 0xb5);
    p.setPen(QPen(purple.darker(140), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(purple);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? 9.0 : 3.9;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF pt(10.0 + r * qCos(a), 10.5 + r * qSin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
}

void drawClock(QPainter &p)
{
    disc(p, QColor(0xf2, 0xb1, 0x00));
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4.0, 4.0, 12, 12));
    p.setPen(QPen(QColor(0x5a, 0x40, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(10, 6.2));
    p.drawLine(QPointF(10, 10), QPointF(12.8, 11.6));
}

void drawCamera(QPainter &p)
{
    const QColor body(0x45, 0x55, 0x66);
    p.setPen(QPen(body.darker(140), 0.8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6.5, 3.5, 7, 3), 1, 1);
    p.drawRoundedRect(QRectF(1.5, 5.5, 17, 11.5), 2.2, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 11.2), 4.3, 4.3);
    p.setBrush(QColor(0x3d, 0x8b, 0xd9));
    p.drawEllipse(QPointF(10, 11.2), 2.8, 2.8);
    p.setBrush(QColor(0xff, 0xd5, 0x4f));
    p.drawEllipse(QPointF(15.6, 7.8), 0.9, 0.9);
}

void drawNewBadge(QPainter &p)
{
    // A seal with a "Y" ("Yeni").
    const QColor red(0xe5, 0x39, 0x35);
    p.setPen(QPen(red.darker(130), 0.8));
    p.setBrush(red);
    QPainterPath seal;
    for (int i = 0; i < 24; ++i) {
        const qreal r = (i % 2 == 0) ? 9.4 : 7.6;
        const qreal a = qDegreesToRadians(i * 15.0);
        const QPointF pt(10.0 + r * qCos(a), 10.0 + r * qSin(a));
        i == 0 ? seal.moveTo(pt) : seal.lineTo(pt);
    }
    seal.closeSubpath();
    p.drawPath(seal);
    letterBadge(p, QStringLiteral("Y"), 11);
}

void drawCampaignBadge(QPainter &p)
{
    const QColor magenta(0xc2, 0x18, 0x5b);
    p.setPen(QPen(magenta.darker(130), 1));
    p.setBrush(magenta);
    // A price tag with a percent sign.
    QPainterPath tag;
    tag.moveTo(1.5, 10);
    tag.lineTo(6.5, 3.0);
    tag.lineTo(18.5, 3.0);
    tag.lineTo(18.5, 17.0);
    tag.lineTo(6.5, 17.0);
    tag.closeSubpath();
    p.drawPath(tag);
    p.setPen(whitePen(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(9.0, 14.0), QPointF(15.5, 6.0));
    p.drawEllipse(QPointF(9.6, 7.2), 1.4, 1.4);
    p.drawEllipse(QPointF(14.9, 12.8), 1.4, 1.4);
}

} // namespace

namespace StatusIcons {

const IconSet &availability()
{
    static const IconSet set{
        {0, makeIcon(drawNo), QStringLiteral("Yok")},
        {1, makeIcon(drawYes), QStringLiteral("Var")},
        {2, makeIcon(drawPhone), QStringLiteral("Telefon Açınız")},
        {3, makeIcon(drawTruck), QStringLiteral("Yolda")},
        {4, makeIcon(drawStar), QStringLiteral("Özel Sipariş")},
        {5, makeIcon(drawClock), QStringLiteral("Tedarik Sürecinde")},
    };
    return set;
}

const IconSet &picture()
{
    static const IconSet set{{1, makeIcon(drawCamera), QStringLiteral("Var")}};
    return set;
}

const IconSet &newItem()
{
    static const IconSet set{{1, makeIcon(drawNewBadge), QStringLiteral("Evet")}};
    return set;
}

const IconSet &campaign()
{
    static const IconSet set{{1, makeIcon(drawCampaignBadge), QStringLiteral("Evet")}};
    return set;
}

} // namespace StatusIcons
