#include "wire.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QLocale>
#include <QtEndian>
#include <cmath>

namespace wire {

QByteArray encodeFrame(const QJsonObject &payload)
{
    const QByteArray body = QJsonDocument(payload).toJson(QJsonDocument::Compact);
    QByteArray out;
    out.resize(4);
    qToBigEndian<quint32>(quint32(body.size()), out.data());
    out.append(body);
    return out;
}

FrameReader::Status FrameReader::nextRaw(QByteArray *payload, QString *error)
{
    if (m_buf.size() < 4)
        return NeedMore;
    const quint32 len = qFromBigEndian<quint32>(m_buf.constData());
    if (len < 2 || len > kMaxFrame) {
        *error = QStringLiteral("Geçersiz çerçeve uzunluğu: %1").arg(len);
        return Broken;
    }
    if (quint64(m_buf.size()) < quint64(len) + 4)
        return NeedMore;
    *payload = m_buf.mid(4, len);
    m_buf.remove(0, qsizetype(len) + 4);
    return Ready;
}

FrameReader::Status FrameReader::next(QJsonObject *out, QString *error)
{
    QByteArray payload;
    const Status st = nextRaw(&payload, error);
    if (st != Ready)
        return st;
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &pe);
    if (pe.error != QJsonParseError::NoError) {
        *error = QStringLiteral("Bozuk çerçeve: %1").arg(pe.errorString());
        return Broken;
    }
    if (!doc.isObject()) {
        *error = QStringLiteral("Bozuk çerçeve: JSON nesnesi değil");
        return Broken;
    }
    *out = doc.object();
    return Ready;
}

QJsonObject helloRequest()
{
    return QJsonObject{{"hello", "DataSnap"}, {"protocol", kProtocol}, {"context", "datasnap/"}};
}

QJsonObject helloReply()
{
    return QJsonObject{{"hello", "TServerMethods1"}, {"protocol", kProtocol}};
}

bool isHelloRequest(const QJsonObject &o)
{
    return o.value("hello").toString() == QLatin1String("DataSnap") && o.value("protocol").toInt(-1) == kProtocol;
}

bool isHelloReply(const QJsonObject &o)
{
    return o.value("hello").toString() == QLatin1String("TServerMethods1") && o.value("protocol").toInt(-1) == kProtocol;
}

static bool isWhole(double d)
{
    return std::isfinite(d) && d == std::floor(d);
}

bool readInt32(const QJsonValue &v, qint32 *out)
{
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (!isWhole(d) || d < -2147483648.0 || d > 2147483647.0) return false;
    *out = qint32(d);
    return true;
}

bool readInt64(const QJsonValue &v, qint64 *out)
{
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (!isWhole(d) || std::fabs(d) > 9007199254740992.0) return false;
    *out = qint64(d);
    return true;
}

bool readDouble(const QJsonValue &v, double *out)
{
    if (!v.isDouble()) return false;
    *out = v.toDouble();
    return std::isfinite(*out);
}

bool readBool(const QJsonValue &v, bool *out)
{
    if (!v.isBool()) return false;
    *out = v.toBool();
    return true;
}

bool readString(const QJsonValue &v, QString *out)
{
    if (!v.isString()) return false;
    *out = v.toString();
    return true;
}

QJsonValue writeDouble(double d)
{
    return std::isfinite(d) ? QJsonValue(d) : QJsonValue(0.0);
}

QJsonObject encodeTable(const TableData &t, bool dataPacket)
{
    QJsonArray cols;
    for (const FieldDef &f : t.fields())
        cols.append(QJsonObject{{"name", f.name}, {"type", fieldTypeName(f.type)}});
    QJsonArray rows;
    const int nc = t.columnCount();
    for (int r = 0; r < t.rowCount(); ++r) {
        QJsonArray row;
        for (int c = 0; c < nc; ++c) {
            if (t.isNull(r, c)) {
                row.append(QJsonValue());
                continue;
            }
            switch (t.fields()[c].type) {
            case FieldType::Integer:
            case FieldType::LargeInt: row.append(double(t.intValue(r, c))); break;
            case FieldType::Boolean: row.append(t.boolValue(r, c)); break;
            case FieldType::Float:
            case FieldType::Currency:
            case FieldType::DateTime: row.append(writeDouble(t.floatValue(r, c))); break;
            case FieldType::String: row.append(t.stringValue(r, c)); break;
            case FieldType::Blob: row.append(QString::fromLatin1(t.blobValue(r, c).toBase64())); break;
            }
        }
        rows.append(row);
    }
    return QJsonObject{{"kind", dataPacket ? "datapacket" : "table"}, {"columns", cols}, {"rows", rows}};
}

bool decodeTable(const QJsonValue &v, TableData *out, bool *dataPacket, QString *error)
{
    if (!v.isObject()) {
        *error = QStringLiteral("Tablo bekleniyordu");
        return false;
    }
    const QJsonObject o = v.toObject();
    const QString kind = o.value("kind").toString();
    if (kind != QLatin1String("table") && kind != QLatin1String("datapacket")) {
        *error = QStringLiteral("Tablo türü bilinmiyor: %1").arg(kind);
        return false;
    }
    if (dataPacket)
        *dataPacket = kind == QLatin1String("datapacket");
    const QJsonArray cols = o.value("columns").toArray();
    QList<FieldDef> fields;
    fields.reserve(cols.size());
    for (const QJsonValue &cv : cols) {
        const QJsonObject co = cv.toObject();
        FieldDef f;
        if (!readString(co.value("name"), &f.name) || f.name.isEmpty()
            || !fieldTypeFromName(co.value("type").toString(), &f.type)) {
            *error = QStringLiteral("Geçersiz sütun tanımı");
            return false;
        }
        fields.append(f);
    }
    TableData t(fields);
    const QJsonValue rowsValue = o.value("rows");
    if (!rowsValue.isArray()) {
        *error = QStringLiteral("Tablo satırları eksik");
        return false;
    }
    const QJsonArray rows = rowsValue.toArray();
    const int nc = int(fields.size());
    t.reserve(int(rows.size()));
    for (const QJsonValue &rv : rows) {
        if (!rv.isArray()) {
            *error = QStringLiteral("Geçersiz tablo satırı");
            return false;
        }
        const QJsonArray row = rv.toArray();
        if (row.size() != nc) {
            *error = QStringLiteral("Satırdaki değer sayısı sütun sayısına uymuyor");
            return false;
        }
        const int r = t.appendRow();
        for (int c = 0; c < nc; ++c) {
            const QJsonValue cell = row.at(c);
            if (cell.isNull())
                continue;
            bool ok = true;
            switch (fields[c].type) {
            case FieldType::Integer: { qint32 i; ok = readInt32(cell, &i); if (ok) t.setInt(r, c, i); break; }
            case FieldType::LargeInt: { qint64 i; ok = readInt64(cell, &i); if (ok) t.setInt(r, c, i); break; }
            case FieldType::Boolean: { bool b; ok = readBool(cell, &b); if (ok) t.setBool(r, c, b); break; }
            case FieldType::Float:
            case FieldType::Currency:
            case FieldType::DateTime: { double d; ok = readDouble(cell, &d); if (ok) t.setFloat(r, c, d); break; }
            case FieldType::String: ok = cell.isString(); if (ok) t.setString(r, c, cell.toString()); break;
            case FieldType::Blob: ok = cell.isString(); if (ok) t.setBlob(r, c, QByteArray::fromBase64(cell.toString().toLatin1())); break;
            }
            if (!ok) {
                *error = QStringLiteral("Sütun %1 için geçersiz değer").arg(fields[c].name);
                return false;
            }
        }
    }
    *out = std::move(t);
    return true;
}

namespace {

void appendJsonString(QByteArray &out, const QString &s)
{
    out.append('"');
    const QByteArray utf8 = s.toUtf8();
    bool plain = true;
    for (const char ch : utf8)
        if (uchar(ch) < 0x20 || ch == '"' || ch == '\\') {
            plain = false;
            break;
        }
    if (plain) { // the common case: nothing to escape
        out.append(utf8);
        out.append('"');
        return;
    }
    for (const char ch : utf8) {
        const uchar c = uchar(ch);
        if (c == '"' || c == '\\') {
            out.append('\\');
            out.append(char(c));
        } else if (c < 0x20) {
            static const char digits[] = "0123456789abcdef";
            switch (c) {
            case '\n': out.append("\\n"); break;
            case '\r': out.append("\\r"); break;
            case '\t': out.append("\\t"); break;
            default:
                out.append("\\u00");
                out.append(digits[c >> 4]);
                out.append(digits[c & 15]);
            }
        } else {
            out.append(char(c));
        }
    }
    out.append('"');
}

void appendNumber(QByteArray &out, double d)
{
    if (!std::isfinite(d))
        d = 0;
    if (d == std::floor(d) && std::fabs(d) < 1e15) {
        out.append(QByteArray::number(qint64(d)));
        return;
    }
    // Shortest text that reads back to the same double.
    out.append(QByteArray::number(d, 'g', QLocale::FloatingPointShortest));
}

} // namespace

QByteArray encodeTableText(const TableData &t, bool dataPacket)
{
    QByteArray out;
    out.reserve(64 + t.rowCount() * t.columnCount() * 12);
    out.append(dataPacket ? "{\"kind\":\"datapacket\",\"columns\":[" : "{\"kind\":\"table\",\"columns\":[");
    const int nc = t.columnCount();
    for (int c = 0; c < nc; ++c) {
        if (c)
            out.append(',');
        out.append("{\"name\":");
        appendJsonString(out, t.fields()[c].name);
        out.append(",\"type\":\"");
        out.append(fieldTypeName(t.fields()[c].type).toLatin1());
        out.append("\"}");
    }
    out.append("],\"rows\":[");
    for (int r = 0; r < t.rowCount(); ++r) {
        out.append(r ? ",[" : "[");
        for (int c = 0; c < nc; ++c) {
            if (c)
                out.append(',');
            if (t.isNull(r, c)) {
                out.append("null");
                continue;
            }
            switch (t.fields()[c].type) {
            case FieldType::Integer:
            case FieldType::LargeInt: out.append(QByteArray::number(t.intValue(r, c))); break;
            case FieldType::Boolean: out.append(t.boolValue(r, c) ? "true" : "false"); break;
            case FieldType::Float:
            case FieldType::Currency:
            case FieldType::DateTime: appendNumber(out, t.floatValue(r, c)); break;
            case FieldType::String: appendJsonString(out, t.stringRef(r, c)); break;
            case FieldType::Blob:
                out.append('"');
                out.append(t.blobValue(r, c).toBase64());
                out.append('"');
                break;
            }
        }
        out.append(']');
    }
    out.append("]}");
    return out;
}

QByteArray encodeReplyFrame(const QJsonObject &reply, const std::vector<QByteArray> &tables)
{
    if (tables.empty() || !reply.value("result").isArray())
        return encodeFrame(reply);
    QByteArray body = "{\"id\":";
    appendNumber(body, reply.value("id").toDouble());
    body.append(",\"result\":[");
    const QJsonArray result = reply.value("result").toArray();
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (i)
            body.append(',');
        const QJsonValue v = result.at(i);
        const QJsonObject o = v.toObject();
        if (v.isObject() && o.size() == 1 && o.contains("$table")) {
            const qsizetype index = qsizetype(o.value("$table").toDouble(-1));
            body.append(index >= 0 && size_t(index) < tables.size() ? tables[size_t(index)] : QByteArray("null"));
        } else {
            // One value as compact JSON: wrap it in an array and drop the brackets.
            const QByteArray one = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
            body.append(one.mid(1, one.size() - 2));
        }
    }
    body.append("]}");
    QByteArray out(4, 0);
    qToBigEndian<quint32>(quint32(body.size()), out.data());
    return out + body;
}

QJsonObject encodeStream(const QByteArray &bytes)
{
    return QJsonObject{{"size", double(bytes.size())}, {"data", QString::fromLatin1(bytes.toBase64())}};
}

bool decodeStream(const QJsonValue &v, QByteArray *out, QString *error)
{
    const QJsonObject o = v.toObject();
    qint64 size = 0;
    QString data;
    if (!v.isObject() || !readInt64(o.value("size"), &size) || !readString(o.value("data"), &data)) {
        *error = QStringLiteral("Akış bekleniyordu");
        return false;
    }
    QByteArray bytes = QByteArray::fromBase64(data.toLatin1());
    if (bytes.size() != size) {
        *error = QStringLiteral("Akış boyu tutmuyor");
        return false;
    }
    *out = std::move(bytes);
    return true;
}

double toDayNumber(const QDateTime &dt)
{
    const QDate d = dt.date();
    const double days = double(QDate(1899, 12, 30).daysTo(d));
    const double frac = dt.time().msecsSinceStartOfDay() / 86400000.0;
    return days + frac;
}

QDateTime fromDayNumber(double days)
{
    const double whole = std::floor(days);
    const qint64 ms = qint64(std::llround((days - whole) * 86400000.0));
    return QDateTime(QDate(1899, 12, 30).addDays(qint64(whole)), QTime::fromMSecsSinceStartOfDay(int(ms % 86400000)));
}

} // namespace wire
