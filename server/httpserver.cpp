#include "httpserver.h"

#include "database.h"
#include "pictures.h"
#include "webpages.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {

constexpr int kMaxRequestBytes = 16 * 1024;
constexpr int kRequestTimeoutMs = 10000;

QByteArray response(int status, const QByteArray &type, const QByteArray &body, bool withBody = true)
{
    const char *reason = status == 200 ? "OK" : status == 400 ? "Bad Request" : status == 404 ? "Not Found"
        : status == 405 ? "Method Not Allowed" : status == 431 ? "Request Header Fields Too Large" : "Internal Server Error";
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n"
        "Content-Type: " + type + "\r\n"
        "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
        "Connection: close\r\n\r\n";
    if (withBody)
        out += body;
    return out;
}

QByteArray textBody(const char *text)
{
    return QByteArray(text) + '\n';
}

} // namespace

HttpServer::HttpServer(const QString &dbPath, Pictures &pictures, QObject *parent)
    : QTcpServer(parent), m_connectionName(QStringLiteral("web")), m_pictures(pictures)
{
    QString error;
    db::open(dbPath, m_connectionName, &error);
    connect(this, &QTcpServer::newConnection, this, &HttpServer::accept);
}

HttpServer::~HttpServer()
{
    db::close(m_connectionName);
}

void HttpServer::accept()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(kRequestTimeoutMs, this, [guard] {
            if (guard)
                guard->abort();
        });
    }
}

void HttpServer::readRequest(QTcpSocket *socket)
{
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray buf = socket->property("buffer").toByteArray() + socket->readAll();
    qsizetype end = buf.indexOf("\r\n\r\n");
    if (end < 0)
        end = buf.indexOf("\n\n");
    QByteArray reply;
    if (end < 0) {
        if (buf.size() <= kMaxRequestBytes) {
            socket->setProperty("buffer", buf);
            return;
        }
        reply = response(431, "text/plain; charset=utf-8", textBody("Istek cok buyuk"));
    } else {
        // Request line: method, target, version; the target may hold raw blanks.
        const QByteArray line = buf.left(buf.indexOf('\n')).trimmed();
        const qsizetype first = line.indexOf(' ');
        const qsizetype last = line.lastIndexOf(' ');
        if (first <= 0 || last <= first || !line.mid(last + 1).startsWith("HTTP/"))
            reply = response(400, "text/plain; charset=utf-8", textBody("Gecersiz istek"));
        else
            reply = respond(line.left(first), line.mid(first + 1, last - first - 1).trimmed());
    }
    socket->setProperty("answered", true);
    socket->setProperty("buffer", QVariant());
    socket->write(reply);
    socket->disconnectFromHost();
}

QByteArray HttpServer::respond(const QByteArray &method, const QByteArray &target)
{
    const bool head = method == "HEAD";
    if (method != "GET" && !head)
        return response(405, "text/plain; charset=utf-8", textBody("Yalnizca GET desteklenir"));
    const qsizetype q = target.indexOf('?');
    const QString path = QUrl::fromPercentEncoding(target.left(q < 0 ? target.size() : q)).toLower();
    QString rawQuery = QString::fromUtf8(q < 0 ? QByteArray() : target.mid(q + 1));
    rawQuery.replace(QLatin1Char('+'), QLatin1Char(' '));
    const QUrlQuery query(rawQuery);
    const QByteArray html = "text/html; charset=utf-8";

    if (path == QLatin1String("/") || path == QLatin1String("/index.html"))
        return response(200, html, web::homePage(), !head);
    if (path == QLatin1String("/iletisim.html"))
        return response(200, html, web::contactPage(), !head);
    if (path == QLatin1String("/formmailgonder.aspx"))
        return response(200, html, web::requestPage(query), !head);
    if (path == QLatin1String("/nuvelkart.html"))
        return response(200, html, web::paymentPage(query), !head);
    if (path == QLatin1String("/exe/zerdasetup.exe"))
        return response(200, "application/octet-stream", web::installerScript(), !head);
    if (path == QLatin1String("/resimgoster.ashx")) {
        bool ok = false;
        const int id = query.queryItemValue(QStringLiteral("id")).trimmed().toInt(&ok);
        QByteArray jpeg;
        if (ok) {
            QSqlDatabase d = QSqlDatabase::database(m_connectionName, false);
            try {
                jpeg = m_pictures.jpeg(d, id);
            } catch (const CallError &) {
                return response(500, "text/plain; charset=utf-8", textBody("Sunucu hatasi"), !head);
            }
        }
        if (jpeg.isEmpty())
            return response(404, "text/plain; charset=utf-8", textBody("Resim bulunamadi"), !head);
        return response(200, "image/jpeg", jpeg, !head);
    }
    return response(404, html, web::notFoundPage(), !head);
}
