#include "pictures.h"

#include "database.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QByteArray render(int stokno, const QString &name, const QString &brand, const QString &code, const QString &group)
{
    QImage img(400, 300, QImage::Format_RGB32);
    const quint32 h = quint32(stokno) * 2654435761u;
    const QColor base = QColor::fromHsv(int(h % 360), 40, 245);
    const QColor accent = QColor::fromHsv(int(h % 360), 160, 150);
    img.fill(base);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A stylised part: a disc with holes, a box or a bar, by group.
    p.setPen(QPen(accent.darker(130), 3));
    p.setBrush(accent);
    const int kind = int((h >> 8) % 3);
    if (kind == 0) {
        p.drawEllipse(QPointF(200, 130), 85, 85);
        p.setBrush(base);
        p.drawEllipse(QPointF(200, 130), 28, 28);
        for (int i = 0; i < 5; ++i) {
            QTransform t;
            t.translate(200, 130).rotate(i * 72.0);
            p.drawEllipse(t.map(QPointF(0, -52)), 9, 9);
        }
    } else if (kind == 1) {
        p.drawRoundedRect(QRectF(95, 55, 210, 150), 18, 18);
        p.setBrush(accent.lighter(130));
        for (int i = 0; i < 6; ++i)
            p.drawRect(QRectF(115 + i * 31, 75, 18, 110));
    } else {
        QPainterPath path;
        path.moveTo(70, 170);
        path.cubicTo(140, 40, 260, 220, 330, 90);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(accent, 26, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    p.setPen(QColor(40, 40, 40));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(10, 222, 380, 24), Qt::AlignCenter, name);
    f.setBold(false);
    f.setPixelSize(14);
    p.setFont(f);
    p.drawText(QRectF(10, 248, 380, 20), Qt::AlignCenter, brand + QStringLiteral(" · ") + group);
    p.drawText(QRectF(10, 270, 380, 20), Qt::AlignCenter, code);
    p.end();
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG", 85);
    return bytes;
}

} // namespace

QByteArray Pictures::jpeg(QSqlDatabase &d, int stokno)
{
    {
        QMutexLocker lock(&m_lock);
        if (const QByteArray *hit = m_cache.object(stokno))
            return *hit;
    }
    QSqlQuery q = db::run(d, QStringLiteral("SELECT adi, marka, barkod, anagrup FROM stok WHERE stokno = ? AND resim = 1"),
                          {stokno});
    if (!q.next())
        return QByteArray();
    const QByteArray bytes = render(stokno, q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                    q.value(3).toString());
    QMutexLocker lock(&m_lock);
    m_cache.insert(stokno, new QByteArray(bytes));
    return bytes;
}
