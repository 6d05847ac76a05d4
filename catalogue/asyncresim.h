#pragma once
// Picture controls of the catalogue. TResim shows one picture scaled to fit,
// proportional and centred, and paints nothing where it has none, so what
// lies under it shows through. TAsyncResim fetches its picture over HTTP in
// the background.

#include <QImage>
#include <QLabel>
#include <QPointer>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

class TResim : public QLabel
{
    Q_OBJECT
public:
    explicit TResim(QWidget *owner = nullptr);

    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void setPicture(const QImage &image);
    void clearPicture();

signals:
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QImage m_picture;
};

class TAsyncResim : public TResim
{
    Q_OBJECT
    Q_PROPERTY(QString Url READ Url WRITE setUrl)
public:
    explicit TAsyncResim(QWidget *owner = nullptr);
    ~TAsyncResim() override;

    QString Url() const { return FUrl; }
    // A different address is stored and fetched; the same one again does nothing.
    void setUrl(const QString &url);

    // Decodes `body` by its content type ("image/jpeg", "image/jpg",
    // "image/bmp", "image/png", any case, nothing after it). True when the
    // picture was replaced; otherwise the old one stays.
    bool ResmiYukle(const QString &contentType, QIODevice *body);

    // The address of an item's picture on the distributor's web site.
    static QString resimAdresi(const QString &webSiteBase, int stokno);

signals:
    // A request ended, whatever came of it; `shown` when its picture is now displayed.
    void indirmeBitti(bool shown);

private:
    void Indir();
    void VeriGeliyor();
    void Geldi();
    void birak();

    QString FUrl;
    QNetworkAccessManager *FHTTPClient;
    QPointer<QNetworkReply> FHTTPRequest;
    bool iptal = false;
};
