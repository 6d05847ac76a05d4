#include "wire.h"

#include <QDateTime>
#include <QJsonDocument>
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

FrameReader::Status FrameReader::next(QJsonObject *out, QString *error)
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
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromRawData(m_buf.constData() + 4, len), &pe);
    // fromRawData does not copy; drop the frame only after parsing.
    m_buf.remove(0, qsizetype(len) + 4);
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
