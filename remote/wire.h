#pragma once
// The codec of the client/server protocol (docs/wire-protocol.md):
// frames, scalar checks, tables/data packets and byte streams.

#include "tabledata.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <vector>

namespace wire {

constexpr quint32 kMaxFrame = 64u * 1024u * 1024u;
constexpr int kProtocol = 1;

// Length-prefixed compact JSON.
QByteArray encodeFrame(const QJsonObject &payload);

// Incremental frame splitter: feed it whatever the socket gave.
class FrameReader
{
public:
    enum Status { NeedMore, Ready, Broken };
    void feed(const QByteArray &bytes) { m_buf.append(bytes); }
    // Ready: *out holds the next frame. Broken: *error says why; the
    // connection must be dropped.
    Status next(QJsonObject *out, QString *error);
    // The same without parsing: *payload holds the frame's JSON text.
    Status nextRaw(QByteArray *payload, QString *error);
    qsizetype buffered() const { return m_buf.size(); }

private:
    QByteArray m_buf;
};

QJsonObject helloRequest();
QJsonObject helloReply();
bool isHelloRequest(const QJsonObject &o);
bool isHelloReply(const QJsonObject &o);

// Scalars: strict readers that reject a value of the wrong JSON type.
bool readInt32(const QJsonValue &v, qint32 *out);
bool readInt64(const QJsonValue &v, qint64 *out);
bool readDouble(const QJsonValue &v, double *out);
bool readBool(const QJsonValue &v, bool *out);
bool readString(const QJsonValue &v, QString *out);
QJsonValue writeDouble(double d); // non-finite values travel as 0

// Tables (TDBXReader) and data packets (OleVariant).
QJsonObject encodeTable(const TableData &t, bool dataPacket);
bool decodeTable(const QJsonValue &v, TableData *out, bool *dataPacket, QString *error);

// The same table as compact JSON text, written directly: what the server
// sends for readers and data packets ("kind" first, then "columns", "rows").
QByteArray encodeTableText(const TableData &t, bool dataPacket);

// A reply frame whose result array may hold pre-encoded tables: a result
// value {"$table": i} in `reply` is replaced by tables[i].
QByteArray encodeReplyFrame(const QJsonObject &reply, const std::vector<QByteArray> &tables);

// Byte streams (TStream).
QJsonObject encodeStream(const QByteArray &bytes);
bool decodeStream(const QJsonValue &v, QByteArray *out, QString *error);

// Dates as day numbers since 30 December 1899.
double toDayNumber(const QDateTime &dt);
QDateTime fromDayNumber(double days);

} // namespace wire
