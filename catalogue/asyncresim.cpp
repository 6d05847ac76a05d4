#include "asyncresim.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>

namespace {
// A picture that has not arrived by then is not coming.
constexpr int kTransferTimeoutMs = 20000;
}

TResim::TResim(QWidget *owner)
    : QLabel(owner)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(32, 32);
}

void TResim::setPicture(const QImage &image)
{
    m_picture = image;
    update();
    emit pictureChanged();
}

void TResim::clearPicture()
{
    setPicture(QImage());
}

void TResim::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = contentsRect();
    QSize s = m_picture.size();
    s.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - s.width()) / 2, area.y() + (area.height() - s.height()) / 2,
                       s.width(), s.height());
    p.drawImage(target, m_picture);
}

TAsyncResim::TAsyncResim(QWidget *owner)
    : TResim(owner), FHTTPClient(new QNetworkAccessManager(this))
{
}

TAsyncResim::~TAsyncResim()
{
    iptal = true;
    birak();
}

QString TAsyncResim::resimAdresi(const QString &webSiteBase, int stokno)
{
    return webSiteBase + QStringLiteral("resimgoster.ashx?id=") + QString::number(stokno);
}

void TAsyncResim::setUrl(const QString &url)
{
    if (url == FUrl)
        return;
    FUrl = url;
    Indir();
}

// Drops the running request without letting it report.
void TAsyncResim::birak()
{
    if (!FHTTPRequest)
        return;
    QNetworkReply *reply = FHTTPRequest;
    FHTTPRequest = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void TAsyncResim::Indir()
{
    // An older answer arriving late must not replace the newer address's picture.
    birak();
    if (FUrl.isEmpty())
        return;
    QNetworkRequest request{QUrl(FUrl)};
    request.setTransferTimeout(kTransferTimeoutMs);
    QNetworkReply *reply = FHTTPClient->get(request);
    FHTTPRequest = reply;
    connect(reply, &QNetworkReply::readyRead, this, &TAsyncResim::VeriGeliyor);
    connect(reply, &QNetworkReply::finished, this, &TAsyncResim::Geldi);
}

void TAsyncResim::VeriGeliyor()
{
    if (iptal && FHTTPRequest)
        FHTTPRequest->abort();
}

void TAsyncResim::Geldi()
{
    QNetworkReply *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    if (reply == FHTTPRequest)
        FHTTPRequest = nullptr;
    reply->deleteLater();
    bool shown = false;
    // The status is not looked at: a body with a picture type counts, even on 404.
    // A request that never got a response has neither.
    const QByteArray body = reply->readAll();
    if (!iptal && !body.isEmpty()) {
        QBuffer buffer;
        buffer.setData(body);
        buffer.open(QIODevice::ReadOnly);
        shown = ResmiYukle(QString::fromLatin1(reply->rawHeader("Content-Type")), &buffer);
    }
    emit indirmeBitti(shown);
}

bool TAsyncResim::ResmiYukle(const QString &contentType, QIODevice *body)
{
    const QString subtype = contentType.mid(6).toLower();
    QByteArray format;
    if (subtype == QLatin1String("jpeg") || subtype == QLatin1String("jpg"))
        format = "jpeg";
    else if (subtype == QLatin1String("bmp"))
        format = "bmp";
    else if (subtype == QLatin1String("png"))
        format = "png";
    else
        return false;
    if (!body || !body->isOpen() || (!body->isSequential() && !body->seek(0)))
        return false;
    QImageReader reader(body, format);
    // Decode with the named format only; a body of another kind is refused.
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    setPicture(image);
    return true;
}
