#pragma once
// Update window: downloads the installer of the version the server expects,
// shows the progress, starts the installer silently and ends the program.

#include <QDialog>
#include <QUrl>

class DSConnection;
class QLabel;
class QNetworkAccessManager;
class QProgressBar;

class Tdosyaindir : public QDialog
{
    Q_OBJECT
public:
    // Yeni: the window for a server that expects version _y.
    static Tdosyaindir *Yeni(QWidget *owner, int _y);

    QLabel *sLabel1;           // the update notice
    QLabel *bilgi;             // progress text
    QProgressBar *ProgressBar1;
    bool basladi = false;
    DSConnection *bag = nullptr; // handed over by the opener, not used here
    QUrl address;              // the installer on the update server

    void GuncellemeIndir();
    void NetHTTPClient1ReceiveData(qint64 total, qint64 read);
    void NetHTTPClient1RequestError(const QString &error);
    void KurulumuCalistir(const QString &path);

    static QString noticeText(int expectedVersion);
    static QString progressText(qint64 total, qint64 read);
    static QString targetPath();

protected:
    bool event(QEvent *e) override;

private:
    explicit Tdosyaindir(QWidget *owner);
    QNetworkAccessManager *m_http;
};
