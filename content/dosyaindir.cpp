#include "dosyaindir.h"

#include "deployment.h"
#include "messages.h"
#include "seams.h"
#include "utils.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QSaveFile>
#include <QVBoxLayout>

Tdosyaindir::Tdosyaindir(QWidget *owner)
    : QDialog(owner), m_http(new QNetworkAccessManager(this))
{
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint);
    setFixedSize(543, 309);
    sLabel1 = new QLabel;
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    QFont big = sLabel1->font();
    big.setPointSize(14);
    big.setBold(true);
    sLabel1->setFont(big);
    bilgi = new QLabel(QStringLiteral("bilgi"));
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    auto *root = new QVBoxLayout(this);
    root->addWidget(sLabel1, 1);
    root->addWidget(bilgi);
    root->addWidget(ProgressBar1);
    m_http->setCookieJar(nullptr);
}

Tdosyaindir *Tdosyaindir::Yeni(QWidget *owner, int _y)
{
    auto *w = new Tdosyaindir(owner);
    w->sLabel1->setText(noticeText(_y));
    w->address = QUrl(Deployment::current().installerUrl());
    w->basladi = false;
    return w;
}

QString Tdosyaindir::noticeText(int expectedVersion)
{
    return QStringLiteral("Zerda Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen Bekleyiniz...!\r\nVersion: %1-%2")
        .arg(expectedVersion).arg(kClientVersion);
}

QString Tdosyaindir::progressText(qint64 total, qint64 read)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const double p = double(read) / double(total) * 100.0;
    const double r = double(read) / 1024.0 / 1024.0;
    const double t = double(total) / 1024.0 / 1024.0;
    return QStringLiteral("Bilgi: %") + l.toString(p, 'f', 2) + QStringLiteral("  İndirilen: ") + l.toString(r, 'f', 2)
        + u'/' + l.toString(t, 'f', 2) + QStringLiteral(" Mb");
}

QString Tdosyaindir::targetPath()
{
    return GetLocalAppDataFolder() + QStringLiteral("/ZerdaSetup.exe");
}

bool Tdosyaindir::event(QEvent *e)
{
    const bool handled = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate)
        GuncellemeIndir(); // FormActivate
    return handled;
}

void Tdosyaindir::GuncellemeIndir()
{
    if (basladi)
        return; // activating the window again starts nothing
    basladi = true;
    const QString target = targetPath();
    QFile::remove(target);

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(60000);
    request.setRawHeader("Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    request.setRawHeader("Accept-Encoding", "gzip, deflate");
    request.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    request.setRawHeader("User-Agent", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/60.0.3112.32 Safari/537.36");

    QNetworkReply *reply = m_http->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 read, qint64 total) {
        NetHTTPClient1ReceiveData(total, read);
    });
    // Synchronous for the caller; the progress events keep the window painted.
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();

    // A reply with an HTTP status counts as an answer whatever the status;
    // only a failed request is an error.
    if (reply->error() != QNetworkReply::NoError && !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        NetHTTPClient1RequestError(reply->errorString());
        return;
    }
    const QByteArray body = reply->readAll();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(body) != body.size() || !out.commit()) {
        NetHTTPClient1RequestError(QStringLiteral("%1 yazılamadı").arg(target));
        return;
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
    KurulumuCalistir(target);
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 total, qint64 read)
{
    if (total <= 0)
        return;
    bilgi->setText(progressText(total, read));
    // The bar counts bytes; scale into int range for large files.
    const int scale = total > 0x7fffffff ? int(total / 0x7fffffff + 1) : 1;
    ProgressBar1->setMaximum(int(total / scale));
    ProgressBar1->setValue(int(read / scale));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString &error)
{
    ShowError(QStringLiteral("Hata Oluştu !\r\nHata: ") + error);
    terminateProcess(0);
}

void Tdosyaindir::KurulumuCalistir(const QString &path)
{
    Seams::instance().shellOpen(path, {QStringLiteral("/silent")});
    terminateProcess(0);
}
