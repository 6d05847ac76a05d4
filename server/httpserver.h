#pragma once
// The demo web site: a small HTTP/1.1 server (GET and HEAD, one request per
// connection) on the main thread.

#include <QSqlDatabase>
#include <QTcpServer>

class Pictures;
class QTcpSocket;

class HttpServer : public QTcpServer
{
    Q_OBJECT
public:
    HttpServer(const QString &dbPath, Pictures &pictures, QObject *parent = nullptr);
    ~HttpServer() override;

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    QByteArray respond(const QByteArray &method, const QByteArray &target);

    QString m_connectionName;
    Pictures &m_pictures;
};
