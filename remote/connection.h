#pragma once
// Connection to the application server (docs/wire-protocol.md). Blocking: it
// is used by one thread at a time, and every thread other than the UI thread
// works on a clone of its own.

#include "tabledata.h"
#include "wire.h"

#include <QJsonArray>
#include <QMap>
#include <QString>
#include <memory>

class QTcpSocket;

class DSConnection
{
public:
    DSConnection();
    ~DSConnection();
    DSConnection(const DSConnection &) = delete;
    DSConnection &operator=(const DSConnection &) = delete;

    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    QMap<QString, QString> Params; // DriverName, HostName, Port, ...

    int connectTimeoutMs = 5000;
    int readTimeoutMs = 60000;

    // Opens the TCP connection and does the handshake; throws ConnectionError
    // with a text that names host and port. Opening an open connection is a no-op.
    void Open();
    void Close();
    bool Connected() const;

    // A new, closed connection with the same parameters, owned by the caller.
    std::unique_ptr<DSConnection> CloneConnection() const;

    struct Reply {
        QJsonArray result;             // out parameters, then the result
        std::vector<TableData> tables; // tables, read apart: {"$table": i} in result
    };
    // One request/reply exchange on the open connection. Throws RemoteError
    // with the server's text, ConversionError for a reply it cannot read, or
    // ConnectionError when the connection fails (it is closed then).
    Reply call(const QString &commandText, const QJsonArray &params);

private:
    QByteArray readFrame(int timeoutMs);
    void writeFrame(const QJsonObject &o);
    [[noreturn]] void fail(const QString &what);
    QString endpoint() const;

    std::unique_ptr<QTcpSocket> m_socket;
    wire::FrameReader m_reader;
    int m_nextId = 1;
};
