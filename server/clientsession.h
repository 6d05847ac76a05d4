#pragma once
// One client connection, served on its own thread with blocking socket I/O
// and its own database connection: handshake, then request/reply until the
// client leaves or sends a broken frame.

#include <QThread>

class Pictures;
class QJsonObject;
class QTcpSocket;

class ClientSession : public QThread
{
    Q_OBJECT
public:
    ClientSession(qintptr socketDescriptor, const QString &dbPath, Pictures &pictures, bool verbose);

protected:
    void run() override;

private:
    void serve(QTcpSocket &socket, const QString &connectionName);
    static bool waitForData(QTcpSocket &socket, int idleLimitMs);
    static bool send(QTcpSocket &socket, const QJsonObject &frame);
    static bool send(QTcpSocket &socket, const QByteArray &bytes);

    qintptr m_socketDescriptor;
    QString m_dbPath;
    Pictures &m_pictures;
    bool m_verbose;
};
