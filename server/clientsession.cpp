#include "clientsession.h"

#include "database.h"
#include "dispatcher.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTcpSocket>
#include <wire.h>

#include <cstdio>

namespace {

QAtomicInt g_sessionCounter;

constexpr int kHandshakeLimitMs = 30 * 1000;
constexpr int kIdleLimitMs = 10 * 60 * 1000;

QJsonObject brokenFrame(const QString &why)
{
    return QJsonObject{{"error", why}};
}

} // namespace

ClientSession::ClientSession(qintptr socketDescriptor, const QString &dbPath, Pictures &pictures, bool verbose)
    : m_socketDescriptor(socketDescriptor), m_dbPath(dbPath), m_pictures(pictures), m_verbose(verbose)
{
}

void ClientSession::run()
{
    QTcpSocket socket;
    if (!socket.setSocketDescriptor(m_socketDescriptor))
        return;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const QString name = QStringLiteral("oturum-%1").arg(g_sessionCounter.fetchAndAddRelaxed(1));
    serve(socket, name);
    db::close(name);
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
}

void ClientSession::serve(QTcpSocket &socket, const QString &connectionName)
{
    QString error;
    QSqlDatabase d = db::open(m_dbPath, connectionName, &error);
    if (!d.isOpen()) {
        send(socket, brokenFrame(QStringLiteral("Veritabanı açılamadı: %1").arg(error)));
        return;
    }
    CallContext ctx{d, m_pictures, {}};
    wire::FrameReader reader;
    bool greeted = false;
    for (;;) {
        QJsonObject frame;
        const wire::FrameReader::Status st = reader.next(&frame, &error);
        if (st == wire::FrameReader::NeedMore) {
            if (!waitForData(socket, greeted ? kIdleLimitMs : kHandshakeLimitMs))
                return;
            reader.feed(socket.readAll());
            continue;
        }
        if (st == wire::FrameReader::Broken) {
            send(socket, brokenFrame(error));
            return;
        }
        if (!greeted) {
            if (!wire::isHelloRequest(frame)) {
                send(socket, brokenFrame(QStringLiteral("Açılış mesajı bekleniyordu (hello, protocol 1)")));
                return;
            }
            if (!send(socket, wire::helloReply()))
                return;
            greeted = true;
            continue;
        }
        const QJsonValue id = frame.value(QLatin1String("id"));
        const QJsonValue call = frame.value(QLatin1String("call"));
        if (!id.isDouble() || !call.isString()) {
            send(socket, brokenFrame(QStringLiteral("Bozuk istek: sayısal id ve metin call gerekli")));
            return;
        }
        QElapsedTimer timer;
        timer.start();
        ctx.tables.clear();
        const QJsonObject reply = answerCall(ctx, id, call.toString(), frame.value(QLatin1String("params")));
        QByteArray bytes = wire::encodeReplyFrame(reply, ctx.tables);
        if (bytes.size() - 4 > qsizetype(wire::kMaxFrame))
            bytes = wire::encodeFrame(QJsonObject{{"id", id}, {"error", QStringLiteral("Sonuç çok büyük")}});
        if (m_verbose)
            std::fprintf(stderr, "%s %.1f ms, %lld bytes%s\n", qPrintable(call.toString()), timer.nsecsElapsed() / 1e6,
                         qlonglong(bytes.size()), reply.contains(QLatin1String("error")) ? " (hata)" : "");
        if (!send(socket, bytes))
            return;
    }
}

bool ClientSession::waitForData(QTcpSocket &socket, int idleLimitMs)
{
    QElapsedTimer idle;
    idle.start();
    while (socket.bytesAvailable() == 0) {
        if (socket.state() != QAbstractSocket::ConnectedState || idle.elapsed() > idleLimitMs)
            return false;
        if (!socket.waitForReadyRead(1000) && socket.error() != QAbstractSocket::SocketTimeoutError)
            return false;
    }
    return true;
}

bool ClientSession::send(QTcpSocket &socket, const QJsonObject &frame)
{
    return send(socket, wire::encodeFrame(frame));
}

bool ClientSession::send(QTcpSocket &socket, const QByteArray &bytes)
{
    if (socket.state() != QAbstractSocket::ConnectedState)
        return false;
    if (socket.write(bytes) < 0)
        return false;
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(30000))
            return false;
    return true;
}
