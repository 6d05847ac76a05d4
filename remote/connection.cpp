#include "connection.h"

#include "errors.h"
#include "jsonreader.h"

#include <QElapsedTimer>
#include <QTcpSocket>

DSConnection::DSConnection()
{
    Params = {
        {"DriverName", "DataSnap"},
        {"CommunicationProtocol", "tcp/ip"},
        {"HostName", "127.0.0.1"},
        {"Port", "9090"},
        {"DatasnapContext", "datasnap/"},
        {"Filters", "{}"},
        {"DSProxyPort", "8090"},
    };
}

DSConnection::~DSConnection()
{
    Close();
}

QString DSConnection::endpoint() const
{
    return Params.value("HostName") + QLatin1Char(':') + Params.value("Port");
}

void DSConnection::fail(const QString &what)
{
    Close();
    throw ConnectionError(QStringLiteral("Sunucuya bağlanılamadı (%1): %2").arg(endpoint(), what));
}

void DSConnection::Open()
{
    if (Connected())
        return;
    Close();
    bool portOk = false;
    const quint16 port = Params.value("Port").toUShort(&portOk);
    if (!portOk)
        throw ConnectionError(QStringLiteral("Geçersiz port: %1").arg(Params.value("Port")));
    m_socket = std::make_unique<QTcpSocket>();
    m_reader = wire::FrameReader();
    m_socket->connectToHost(Params.value("HostName"), port);
    if (!m_socket->waitForConnected(connectTimeoutMs))
        fail(m_socket->error() == QAbstractSocket::SocketTimeoutError
                 ? QStringLiteral("zaman aşımı") : m_socket->errorString());
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    writeFrame(wire::helloRequest());
    ParsedFrame hello;
    QString error;
    if (!parseFrameJson(readFrame(connectTimeoutMs), &hello, &error))
        fail(error);
    const QJsonObject reply = hello.value.toObject();
    if (!wire::isHelloReply(reply))
        fail(reply.value("error").toString(QStringLiteral("sunucu el sıkışmayı kabul etmedi")));
}

void DSConnection::Close()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
}

bool DSConnection::Connected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

std::unique_ptr<DSConnection> DSConnection::CloneConnection() const
{
    auto c = std::make_unique<DSConnection>();
    c->ConnectionName = ConnectionName;
    c->Params = Params;
    c->connectTimeoutMs = connectTimeoutMs;
    c->readTimeoutMs = readTimeoutMs;
    return c;
}

void DSConnection::writeFrame(const QJsonObject &o)
{
    const QByteArray bytes = wire::encodeFrame(o);
    if (m_socket->write(bytes) != bytes.size())
        fail(m_socket->errorString());
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(readTimeoutMs))
            fail(m_socket->errorString());
    }
}

QByteArray DSConnection::readFrame(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QByteArray frame;
        QString error;
        switch (m_reader.nextRaw(&frame, &error)) {
        case wire::FrameReader::Ready: return frame;
        case wire::FrameReader::Broken: fail(error);
        case wire::FrameReader::NeedMore: break;
        }
        if (m_socket->bytesAvailable() > 0) {
            m_reader.feed(m_socket->readAll());
            continue;
        }
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            fail(QStringLiteral("yanıt zaman aşımına uğradı"));
        if (!m_socket->waitForReadyRead(int(left))) {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                fail(QStringLiteral("bağlantı sunucu tarafından kapatıldı"));
            if (clock.elapsed() >= timeoutMs)
                fail(QStringLiteral("yanıt zaman aşımına uğradı"));
        }
    }
}

DSConnection::Reply DSConnection::call(const QString &commandText, const QJsonArray &params)
{
    if (!Connected())
        throw ConnectionError(QStringLiteral("Bağlantı açık değil (%1)").arg(endpoint()));
    const int id = m_nextId++;
    writeFrame(QJsonObject{{"id", id}, {"call", commandText}, {"params", params}});
    const QByteArray text = readFrame(readTimeoutMs);
    ParsedFrame parsed;
    QString error;
    if (!parseFrameJson(text, &parsed, &error)) {
        Close(); // the stream can no longer be trusted
        throw ConversionError(QStringLiteral("%1: %2").arg(commandText, error));
    }
    const QJsonObject reply = parsed.value.toObject();
    if (reply.contains("error"))
        throw RemoteError(reply.value("error").toString());
    if (reply.value("id").toInt(-1) != id || !reply.value("result").isArray())
        fail(QStringLiteral("beklenmeyen yanıt"));
    return Reply{reply.value("result").toArray(), std::move(parsed.tables)};
}
