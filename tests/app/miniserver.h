#pragma once
// A tiny in-test server that speaks just enough of the protocol to script
// replies and see what the client sent.

#include "wire.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

// Speaks just enough of the protocol: hello, then each request answered by
// `answer` (nothing when it returns an empty object).
class MiniServer : public QThread
{
public:
    std::function<QJsonObject(const QJsonObject &)> answer;
    std::atomic<int> connections{0};
    quint16 wantedPort = 0;

    quint16 listen()
    {
        start();
        while (!m_ready.load())
            QThread::msleep(5);
        return m_port;
    }
    ~MiniServer() override
    {
        m_stop = true;
        wait();
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, wantedPort);
        m_port = server.serverPort();
        m_ready = true;
        while (!m_stop) {
            if (!server.hasPendingConnections() && !server.waitForNewConnection(50))
                continue;
            std::unique_ptr<QTcpSocket> s(server.nextPendingConnection());
            ++connections;
            wire::FrameReader reader;
            bool helloDone = false;
            while (!m_stop && s->state() == QAbstractSocket::ConnectedState) {
                if (!s->waitForReadyRead(50))
                    continue;
                reader.feed(s->readAll());
                QJsonObject frame;
                QString error;
                while (reader.next(&frame, &error) == wire::FrameReader::Ready) {
                    QJsonObject reply = helloDone ? answer(frame) : wire::helloReply();
                    helloDone = true;
                    if (!reply.isEmpty()) {
                        reply["id"] = frame.value("id");
                        s->write(wire::encodeFrame(reply));
                        s->waitForBytesWritten(1000);
                    }
                }
            }
        }
    }

private:
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_stop{false};
    quint16 m_port = 0;
};

