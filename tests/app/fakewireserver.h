#pragma once
// A scripted application server for client tests: speaks the wire protocol
// on a loopback port from a thread of its own (the client blocks while it
// waits), records every call and answers through a handler.

#include "connection.h"
#include "tabledata.h"
#include "wire.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <atomic>
#include <functional>
#include <stdexcept>

class FakeWireServer : public QThread
{
public:
    struct Call {
        QString method; // without "TServerMethods1."
        QJsonArray params;
    };
    // Returns the reply's result array; throwing std::runtime_error answers an error.
    using Handler = std::function<QJsonArray(const QString &method, const QJsonArray &params)>;

    // Listens on `port` (0: a free one) from the start.
    explicit FakeWireServer(quint16 port = 0) : m_port(port)
    {
        start();
        m_ready.acquire();
    }
    ~FakeWireServer() override
    {
        m_stop = true;
        wait();
    }

    void setHandler(Handler h)
    {
        QMutexLocker l(&m_lock);
        m_handler = std::move(h);
    }
    QList<Call> calls() const
    {
        QMutexLocker l(&m_lock);
        return m_calls;
    }
    QList<Call> callsOf(const QString &method) const
    {
        QList<Call> out;
        for (const Call &c : calls())
            if (c.method == method)
                out << c;
        return out;
    }
    QStringList methods() const
    {
        QStringList out;
        for (const Call &c : calls())
            out << c.method;
        return out;
    }
    void clearCalls()
    {
        QMutexLocker l(&m_lock);
        m_calls.clear();
    }
    quint16 port() const { return m_port; }
    void pointAt(DSConnection &c) const
    {
        c.Params[QStringLiteral("HostName")] = QStringLiteral("127.0.0.1");
        c.Params[QStringLiteral("Port")] = QString::number(m_port);
        c.connectTimeoutMs = 2000;
        c.readTimeoutMs = 5000;
    }

    // Values in the wire encoding.
    static QJsonObject table(const QList<FieldDef> &fields, const QList<QVariantList> &rows)
    {
        TableData t(fields);
        for (const QVariantList &row : rows) {
            const int r = t.appendRow();
            for (int c = 0; c < row.size(); ++c)
                t.setValue(r, c, row[c]);
        }
        return wire::encodeTable(t, false);
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, m_port);
        m_port = server.serverPort();
        m_ready.release();
        while (!m_stop) {
            if (!server.waitForNewConnection(20))
                continue;
            while (QTcpSocket *s = server.nextPendingConnection()) {
                serve(s);
                delete s;
            }
        }
    }

private:
    void serve(QTcpSocket *s)
    {
        wire::FrameReader reader;
        while (!m_stop) {
            if (s->bytesAvailable() == 0 && !s->waitForReadyRead(20)) {
                if (s->state() != QAbstractSocket::ConnectedState)
                    return;
                continue;
            }
            reader.feed(s->readAll());
            QJsonObject frame;
            QString error;
            for (;;) {
                const auto st = reader.next(&frame, &error);
                if (st == wire::FrameReader::Broken)
                    return;
                if (st == wire::FrameReader::NeedMore)
                    break;
                QJsonObject reply;
                if (wire::isHelloRequest(frame)) {
                    reply = wire::helloReply();
                } else {
                    const QString method = frame.value("call").toString().mid(int(qstrlen("TServerMethods1.")));
                    const QJsonArray params = frame.value("params").toArray();
                    Handler h;
                    {
                        QMutexLocker l(&m_lock);
                        m_calls << Call{method, params};
                        h = m_handler;
                    }
                    reply.insert("id", frame.value("id"));
                    try {
                        reply.insert("result", h ? h(method, params) : QJsonArray());
                    } catch (const std::exception &e) {
                        reply.insert("error", QString::fromUtf8(e.what()));
                    }
                }
                s->write(wire::encodeFrame(reply));
                s->waitForBytesWritten(2000);
            }
        }
    }

    mutable QMutex m_lock;
    Handler m_handler;
    QList<Call> m_calls;
    QSemaphore m_ready;
    std::atomic<bool> m_stop{false};
    std::atomic<quint16> m_port{0};
};

// A port nothing listens on.
inline quint16 closedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort(); // closed again when s goes
}
