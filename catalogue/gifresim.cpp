#include "gifresim.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QPixmap>

TGifResim::TGifResim(QWidget *owner)
    : QLabel(owner)
{
    setAlignment(Qt::AlignCenter);
}

TGifResim::~TGifResim()
{
    dropMovie();
}

void TGifResim::dropMovie()
{
    if (m_movie) {
        m_movie->stop();
        setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    delete m_gifData;
    m_gifData = nullptr;
}

bool TGifResim::holdsGif() const
{
    return m_movie && m_movie->isValid() && m_movie->frameCount() != 0;
}

bool TGifResim::isAnimating() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

void TGifResim::setAnimate(bool value)
{
    if (value == FAnimate)
        return;
    FAnimate = value;
    if (!holdsGif())
        return;
    setAttribute(Qt::WA_TranslucentBackground);
    if (value && m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
    else if (value)
        m_movie->start();
    else
        m_movie->setPaused(true);
}

void TGifResim::GosterAnim()
{
    setAnimate(true);
    setVisible(true);
}

void TGifResim::GizleDurdur()
{
    setVisible(false);
    setAnimate(false);
}

bool TGifResim::loadPicture(const QByteArray &bytes)
{
    QBuffer probe;
    probe.setData(bytes);
    probe.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&probe);
    if (format.isEmpty())
        return false;
    if (format == "gif") {
        auto *data = new QBuffer;
        data->setData(bytes);
        data->open(QIODevice::ReadOnly);
        auto *movie = new QMovie(data, "gif");
        if (!movie->isValid() || !movie->jumpToFrame(0)) {
            delete movie;
            delete data;
            return false;
        }
        dropMovie();
        m_gifData = data;
        m_movie = movie;
        setMovie(m_movie); // shows the first frame, still
        return true;
    }
    QImage image;
    if (!image.loadFromData(bytes, format.constData()))
        return false;
    dropMovie();
    setPixmap(QPixmap::fromImage(image));
    return true;
}
