// Item pictures: the web picture control, the GIF control and pictures
// fetched through the application server.

#include "asyncresim.h"
#include "callframe.h"
#include "fakeseams.h"
#include "fakewireserver.h"
#include "gifresim.h"
#include "resimgetir.h"

#include <QBuffer>
#include <QMovie>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

QByteArray encoded(const QColor &color, const char *format, QSize size = QSize(8, 6))
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, format);
    return bytes;
}

// A picture big enough to need several 1024-byte blocks.
QByteArray noisyJpeg()
{
    QImage img(96, 96, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x * 5 + y * 91) % 256));
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPEG", 95);
    return bytes;
}

// Two 1×1 frames, red then blue, looping.
QByteArray twoFrameGif()
{
    static const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
        0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,
        0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03, 0x01, 0x00, 0x00, 0x00,
        0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00,
        0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00,
        0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00,
        0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x4C, 0x01, 0x00,
        0x3B};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

// The picture's colour by name; JPEG shifts the values a little.
QString colourOf(const TResim &r)
{
    if (r.picture().isNull())
        return QStringLiteral("none");
    const QColor c = r.picture().pixelColor(0, 0);
    if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
        return QStringLiteral("red");
    if (c.green() > 100 && c.red() < 60 && c.blue() < 60)
        return QStringLiteral("green");
    if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
        return QStringLiteral("blue");
    return c.name();
}

// A tiny HTTP server on the UI thread. Each path answers with a scripted
// status, content type and body; a held path keeps its client waiting until
// release() is called; a dropped path closes without answering.
class FakeWebSite : public QObject
{
public:
    struct Answer {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
        bool hold = false;
        bool drop = false;
    };
    QHash<QString, Answer> answers;
    QStringList requests;

    FakeWebSite()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, this, [this, s] { onRead(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void release(const QString &path)
    {
        const QPointer<QTcpSocket> s = m_held.take(path);
        if (s && s->state() == QAbstractSocket::ConnectedState)
            reply(s, answers.value(path));
    }

private:
    void onRead(QTcpSocket *s)
    {
        QByteArray &buf = m_buffers[s];
        buf += s->readAll();
        if (!buf.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(buf.split(' ').value(1));
        m_buffers.remove(s);
        requests << path;
        const Answer a = answers.value(path, Answer{404, "text/plain", "yok"});
        if (a.drop) {
            s->abort();
            return;
        }
        if (a.hold) {
            m_held.insert(path, s);
            return;
        }
        reply(s, a);
    }
    static void reply(QTcpSocket *s, const Answer &a)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\n";
        if (!a.contentType.isEmpty())
            head += "Content-Type: " + a.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\nConnection: close\r\n\r\n";
        s->write(head + a.body);
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<QString, QPointer<QTcpSocket>> m_held;
};

bool waitForRequestEnd(QSignalSpy &spy, int count = 1)
{
    for (int i = 0; i < 100 && spy.count() < count; ++i)
        spy.wait(100);
    return spy.count() >= count;
}

} // namespace

Q_DECLARE_METATYPE(FakeWebSite::Answer)

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QVERIFY2(QImageReader::supportedImageFormats().contains("jpeg"), "JPEG support is needed");
    }

    // ---- decoding by content type ----------------------------------------

    void resmiYukle_data()
    {
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("shown");
        const QByteArray png = encoded(Qt::blue, "PNG");
        const QByteArray jpeg = encoded(Qt::blue, "JPEG");
        QTest::newRow("png") << "image/png" << png << true;
        QTest::newRow("PNG in capitals") << "image/PNG" << png << true;
        QTest::newRow("jpeg") << "image/jpeg" << jpeg << true;
        QTest::newRow("jpg") << "image/jpg" << jpeg << true;
        QTest::newRow("bmp") << "image/bmp" << encoded(Qt::blue, "BMP") << true;
        QTest::newRow("jpeg with a parameter") << "image/jpeg; charset=utf-8" << jpeg << false;
        QTest::newRow("gif is not offered") << "image/gif" << twoFrameGif() << false;
        QTest::newRow("no type") << "" << png << false;
        QTest::newRow("text") << "text/html" << png << false;
        QTest::newRow("png body called jpeg") << "image/jpeg" << png << false;
        QTest::newRow("broken png") << "image/png" << QByteArray("\x89PNG\r\n\x1a\nbroken", 15) << false;
    }
    void resmiYukle()
    {
        QFETCH(QString, contentType);
        QFETCH(QByteArray, body);
        QFETCH(bool, shown);
        TAsyncResim r;
        QBuffer first;
        first.setData(encoded(Qt::red, "PNG"));
        first.open(QIODevice::ReadOnly);
        QVERIFY(r.ResmiYukle("image/png", &first));
        QBuffer b;
        b.setData(body);
        b.open(QIODevice::ReadOnly);
        b.seek(body.size()); // the decoder rewinds it
        QCOMPARE(r.ResmiYukle(contentType, &b), shown);
        QCOMPARE(colourOf(r), QString(shown ? "blue" : "red"));
    }

    // ---- over HTTP --------------------------------------------------------

    void notFoundWithPictureIsShown()
    {
        FakeWebSite site;
        site.answers["/resimgoster.ashx?id=7"] = {404, "image/png", encoded(Qt::green, "PNG")};
        TAsyncResim r;
        QSignalSpy done(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(TAsyncResim::resimAdresi(site.url("/"), 7));
        QVERIFY(waitForRequestEnd(done));
        QCOMPARE(done.first().first().toBool(), true);
        QCOMPARE(colourOf(r), QString("green"));
    }

    void sameAddressTwiceMakesOneRequest()
    {
        FakeWebSite site;
        site.answers["/a"] = {200, "image/png", encoded(Qt::green, "PNG")};
        site.answers["/b"] = {200, "image/png", encoded(Qt::blue, "PNG")};
        TAsyncResim r;
        QSignalSpy done(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(site.url("/a"));
        r.setUrl(site.url("/a"));
        QVERIFY(waitForRequestEnd(done));
        r.setUrl(site.url("/a"));
        QTest::qWait(100);
        QCOMPARE(site.requests, QStringList{"/a"});
        r.setUrl(site.url("/b"));
        QVERIFY(waitForRequestEnd(done, 2));
        QCOMPARE(site.requests, (QStringList{"/a", "/b"}));
        QCOMPARE(colourOf(r), QString("blue"));
    }

    void failuresLeaveThePicture_data()
    {
        QTest::addColumn<FakeWebSite::Answer>("answer");
        QTest::newRow("empty body") << FakeWebSite::Answer{200, "image/png", {}};
        QTest::newRow("no response") << FakeWebSite::Answer{200, "image/png", {}, false, true};
        QTest::newRow("unknown type") << FakeWebSite::Answer{200, "application/octet-stream", encoded(Qt::blue, "PNG")};
        QTest::newRow("undecodable") << FakeWebSite::Answer{200, "image/jpeg", "not a picture"};
    }
    void failuresLeaveThePicture()
    {
        QFETCH(FakeWebSite::Answer, answer);
        FakeWebSite site;
        site.answers["/p"] = answer;
        TAsyncResim r;
        r.setPicture(QImage::fromData(encoded(Qt::red, "PNG")));
        QSignalSpy done(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(site.url("/p"));
        QVERIFY(waitForRequestEnd(done));
        QCOMPARE(done.first().first().toBool(), false);
        QCOMPARE(colourOf(r), QString("red"));
    }

    void unreachableSiteLeavesThePicture()
    {
        TAsyncResim r;
        r.setPicture(QImage::fromData(encoded(Qt::red, "PNG")));
        QSignalSpy done(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort()));
        QVERIFY(waitForRequestEnd(done));
        QCOMPARE(colourOf(r), QString("red"));
    }

    void lateAnswerOfAnOldAddressIsDropped()
    {
        FakeWebSite site;
        site.answers["/old"] = {200, "image/png", encoded(Qt::red, "PNG"), true};
        site.answers["/new"] = {200, "image/png", encoded(Qt::blue, "PNG")};
        TAsyncResim r;
        QSignalSpy done(&r, &TAsyncResim::indirmeBitti);
        r.setUrl(site.url("/old"));
        QTRY_COMPARE(site.requests.size(), 1);
        r.setUrl(site.url("/new"));
        QVERIFY(waitForRequestEnd(done));
        site.release("/old");
        QTest::qWait(200);
        QCOMPARE(done.count(), 1);
        QCOMPARE(colourOf(r), QString("blue"));
    }

    void destroyedWhileLoading()
    {
        FakeWebSite site;
        site.answers["/slow"] = {200, "image/png", encoded(Qt::red, "PNG"), true};
        auto r = std::make_unique<TAsyncResim>();
        QSignalSpy done(r.get(), &TAsyncResim::indirmeBitti);
        r->setUrl(site.url("/slow"));
        QTRY_COMPARE(site.requests.size(), 1);
        r.reset(); // the dialog closed first
        site.release("/slow");
        QTest::qWait(200);
        QCOMPARE(done.count(), 0);
    }

    // ---- GIF control -------------------------------------------------------

    void gifAnimation()
    {
        TGifResim g;
        QVERIFY(g.loadPicture(twoFrameGif()));
        QVERIFY(g.holdsGif());
        QVERIFY(!g.isAnimating()); // a freshly loaded GIF stands still
        g.setAnimate(true);
        QVERIFY(g.isAnimating());
        g.setAnimate(false);
        QVERIFY(!g.isAnimating());
        g.setAnimate(true);
        QVERIFY(g.isAnimating());
    }

    void earlierAnimateDoesNotSwitchALaterGif()
    {
        TGifResim g;
        g.setAnimate(true);
        QVERIFY(g.loadPicture(twoFrameGif()));
        QVERIFY(!g.isAnimating());
        g.setAnimate(true); // unchanged: nothing happens
        QVERIFY(!g.isAnimating());
        g.GizleDurdur();
        QVERIFY(g.isHidden());
        QCOMPARE(g.Animate(), false);
        g.GosterAnim();
        QVERIFY(!g.isHidden());
        QCOMPARE(g.Animate(), true);
        QVERIFY(g.isAnimating());
    }

    void stillPictureAndGarbage()
    {
        TGifResim g;
        QVERIFY(g.loadPicture(encoded(Qt::green, "PNG")));
        QVERIFY(!g.holdsGif());
        g.setAnimate(true);
        QVERIFY(!g.isAnimating());
        QVERIFY(!g.loadPicture("no picture here"));
        QVERIFY(!g.pixmap().isNull()); // the old picture stays
    }

    // ---- through the application server -------------------------------------

    void serverPicture_data()
    {
        QTest::addColumn<qint64>("boy");
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("plainMessage");
        const QByteArray jpeg = noisyJpeg();
        QVERIFY(jpeg.size() > 3 * 1024);
        QTest::newRow("several blocks") << qint64(jpeg.size()) << jpeg << true << QString();
        QTest::newRow("size 0") << qint64(0) << jpeg << false << QString();
        QTest::newRow("stream shorter than boy") << qint64(jpeg.size()) << jpeg.left(jpeg.size() - 100) << false << QString();
        QTest::newRow("stream longer than boy") << qint64(1024) << jpeg << false << QString();
        QTest::newRow("not a JPEG") << qint64(2048) << QByteArray(2048, 'x') << false << QString("EJPEG: ");
    }
    void serverPicture()
    {
        QFETCH(qint64, boy);
        QFETCH(QByteArray, stream);
        QFETCH(bool, shown);
        QFETCH(QString, plainMessage);
        FakeSeams seams;
        FakeWireServer server;
        server.setHandler([&](const QString &, const QJsonArray &) {
            return QJsonArray{boy, wire::encodeStream(stream)};
        });
        DSConnection bagc;
        server.pointAt(bagc);
        TResim target;
        const QImage placeholder = QImage::fromData(encoded(Qt::red, "PNG"));
        target.setPicture(placeholder);
        ResimGetir(bagc, 42, &target);
        QCOMPARE(server.calls().size(), 1);
        QCOMPARE(server.calls()[0].method, QString("ResimVer5"));
        QCOMPARE(server.calls()[0].params, QJsonArray{42});
        QCOMPARE(target.picture() != placeholder, shown);
        if (shown)
            QCOMPARE(target.picture().size(), QSize(96, 96));
        QCOMPARE(seams.plain.size(), plainMessage.isEmpty() ? 0 : 1);
        if (!plainMessage.isEmpty())
            QVERIFY2(seams.plain[0].startsWith(plainMessage), qPrintable(seams.plain[0]));
        QVERIFY(seams.dialogs.isEmpty());
        QVERIFY(!bagc.Connected());
    }

    void serverErrorShownWithItsClass()
    {
        FakeSeams seams;
        FakeWireServer server;
        server.setHandler([](const QString &, const QJsonArray &) -> QJsonArray {
            throw std::runtime_error("Resim okunamadı");
        });
        DSConnection bagc;
        server.pointAt(bagc);
        TResim target;
        ResimGetir(bagc, 1, &target);
        QCOMPARE(seams.plain, QStringList{"TDBXError: Resim okunamadı"});
        QVERIFY(!target.hasPicture());
        QVERIFY(!bagc.Connected());
    }

    void noConnectionReportedOnce()
    {
        FakeSeams seams;
        DSConnection bagc;
        bagc.Params["Port"] = QString::number(closedPort());
        bagc.connectTimeoutMs = 500;
        TResim target;
        ResimGetir(bagc, 1, &target);
        QCOMPARE(seams.dialogTexts(), QStringList{QString::fromUtf8(kConnectionFailedText)});
        QCOMPARE(seams.plain.size(), 11); // the attempts, nothing of ours
        QVERIFY(!target.hasPicture());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
