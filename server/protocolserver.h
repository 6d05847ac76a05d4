#pragma once
// Listens for clients; every connection gets a thread of its own.

#include <QString>
#include <QTcpServer>

class Pictures;

class ProtocolServer : public QTcpServer
{
    Q_OBJECT
public:
    ProtocolServer(const QString &dbPath, Pictures &pictures, bool verbose, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    QString m_dbPath;
    Pictures &m_pictures;
    bool m_verbose;
};
