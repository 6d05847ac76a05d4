#include "resimgetir.h"

#include "asyncresim.h"
#include "callframe.h"
#include "errors.h"
#include "mainwindow.h"
#include "messages.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// The stream copied in blocks until a short read, as the server sends it.
QByteArray blokBlokOku(QIODevice *stream)
{
    constexpr qint64 kBlock = 1024;
    QByteArray copy;
    char block[kBlock];
    for (;;) {
        const qint64 n = stream->read(block, kBlock);
        if (n > 0)
            copy.append(block, n);
        if (n < kBlock)
            break;
    }
    return copy;
}

QImage jpegCoz(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image))
        throw ZerdaError(QStringLiteral("JPEG resmi okunamadı: %1").arg(reader.errorString()), "EJPEG");
    return image;
}

} // namespace

void ResimGetir(DSConnection &bagc, int stokno, TResim *target)
{
    try {
        CallServer(bagc, 1, [&](TServerMethods1Client &proxy) {
            qint64 boy = 0;
            QIODevice *stream = proxy.ResimVer5(stokno, boy);
            if (!stream || boy == 0)
                return;
            if (!stream->isSequential())
                stream->seek(0);
            const QByteArray copy = blokBlokOku(stream);
            if (copy.size() != boy)
                return;
            const QImage image = jpegCoz(copy);
            if (target)
                target->setPicture(image);
        });
    } catch (const ZerdaError &e) {
        ShowPlainMessage(QString::fromLatin1(e.className()) + QStringLiteral(": ") + e.message());
    } catch (const std::exception &e) {
        ShowPlainMessage(QStringLiteral("Exception: ") + QString::fromLocal8Bit(e.what()));
    }
}

void ResimGetir(TForm1 &form, int stokno, TResim *target)
{
    ResimGetir(form.bagc, stokno, target);
}
