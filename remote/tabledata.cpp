#include "tabledata.h"

namespace {
struct TypeName { FieldType type; const char *name; };
constexpr TypeName kTypeNames[] = {
    {FieldType::Integer, "integer"}, {FieldType::LargeInt, "largeint"},
    {FieldType::Float, "float"},     {FieldType::Currency, "currency"},
    {FieldType::Boolean, "boolean"}, {FieldType::String, "string"},
    {FieldType::DateTime, "datetime"}, {FieldType::Blob, "blob"},
};
}

QString fieldTypeName(FieldType t)
{
    for (const auto &n : kTypeNames)
        if (n.type == t)
            return QString::fromLatin1(n.name);
    return QString();
}

bool fieldTypeFromName(const QString &name, FieldType *out)
{
    for (const auto &n : kTypeNames) {
        if (name == QLatin1String(n.name)) {
            *out = n.type;
            return true;
        }
    }
    return false;
}

void TableData::setFields(const QList<FieldDef> &fields)
{
    m_fields = fields;
    m_cols.assign(size_t(fields.size()), Column{});
    m_rows = 0;
}

int TableData::indexOf(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TableData::clear()
{
    m_fields.clear();
    m_cols.clear();
    m_rows = 0;
}

void TableData::clearRows()
{
    for (auto &c : m_cols)
        c = Column{};
    m_rows = 0;
}

void TableData::reserve(int rows)
{
    for (int i = 0; i < int(m_cols.size()); ++i) {
        auto &c = m_cols[i];
        const FieldType t = m_fields[i].type;
        c.null.reserve(rows);
        if (isIntType(t)) c.ints.reserve(rows);
        else if (isFloatType(t)) c.floats.reserve(rows);
        else if (t == FieldType::String) c.strings.reserve(rows);
        else c.blobs.reserve(rows);
    }
}

int TableData::appendRow()
{
    for (int i = 0; i < int(m_cols.size()); ++i) {
        auto &c = m_cols[i];
        const FieldType t = m_fields[i].type;
        c.null.push_back(1);
        if (isIntType(t)) c.ints.push_back(0);
        else if (isFloatType(t)) c.floats.push_back(0.0);
        else if (t == FieldType::String) c.strings.emplace_back();
        else c.blobs.emplace_back();
    }
    return m_rows++;
}

void TableData::removeRow(int row)
{
    for (int i = 0; i < int(m_cols.size()); ++i) {
        auto &c = m_cols[i];
        const FieldType t = m_fields[i].type;
        c.null.erase(c.null.begin() + row);
        if (isIntType(t)) c.ints.erase(c.ints.begin() + row);
        else if (isFloatType(t)) c.floats.erase(c.floats.begin() + row);
        else if (t == FieldType::String) c.strings.erase(c.strings.begin() + row);
        else c.blobs.erase(c.blobs.begin() + row);
    }
    --m_rows;
}

qint64 TableData::intValue(int row, int col) const
{
    const FieldType t = m_fields[col].type;
    if (isIntType(t)) return m_cols[col].ints[row];
    if (isFloatType(t)) return qint64(m_cols[col].floats[row]);
    if (t == FieldType::String) return m_cols[col].strings[row].trimmed().toLongLong();
    return 0;
}

double TableData::floatValue(int row, int col) const
{
    const FieldType t = m_fields[col].type;
    if (isFloatType(t)) return m_cols[col].floats[row];
    if (isIntType(t)) return double(m_cols[col].ints[row]);
    if (t == FieldType::String) return m_cols[col].strings[row].trimmed().toDouble();
    return 0.0;
}

QString TableData::stringValue(int row, int col) const
{
    if (isNull(row, col))
        return QString();
    const FieldType t = m_fields[col].type;
    if (t == FieldType::String) return m_cols[col].strings[row];
    if (t == FieldType::Boolean) return m_cols[col].ints[row] ? QStringLiteral("True") : QStringLiteral("False");
    if (isIntType(t)) return QString::number(m_cols[col].ints[row]);
    if (isFloatType(t)) return QString::number(m_cols[col].floats[row], 'g', 17);
    return QString::fromLatin1(m_cols[col].blobs[row].toBase64());
}

bool TableData::boolValue(int row, int col) const
{
    const FieldType t = m_fields[col].type;
    if (isIntType(t)) return m_cols[col].ints[row] != 0;
    if (isFloatType(t)) return m_cols[col].floats[row] != 0.0;
    return false;
}

QByteArray TableData::blobValue(int row, int col) const
{
    return m_fields[col].type == FieldType::Blob ? m_cols[col].blobs[row] : QByteArray();
}

QVariant TableData::value(int row, int col) const
{
    if (isNull(row, col))
        return QVariant();
    switch (m_fields[col].type) {
    case FieldType::Integer: return QVariant(int(m_cols[col].ints[row]));
    case FieldType::LargeInt: return QVariant(m_cols[col].ints[row]);
    case FieldType::Boolean: return QVariant(m_cols[col].ints[row] != 0);
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::DateTime: return QVariant(m_cols[col].floats[row]);
    case FieldType::String: return QVariant(m_cols[col].strings[row]);
    case FieldType::Blob: return QVariant(m_cols[col].blobs[row]);
    }
    return QVariant();
}

void TableData::setNull(int row, int col)
{
    m_cols[col].null[row] = 1;
}

void TableData::setInt(int row, int col, qint64 v)
{
    const FieldType t = m_fields[col].type;
    auto &c = m_cols[col];
    if (isIntType(t)) c.ints[row] = (t == FieldType::Boolean) ? (v != 0) : v;
    else if (isFloatType(t)) c.floats[row] = double(v);
    else if (t == FieldType::String) c.strings[row] = QString::number(v);
    else return;
    c.null[row] = 0;
}

void TableData::setFloat(int row, int col, double v)
{
    const FieldType t = m_fields[col].type;
    auto &c = m_cols[col];
    if (isFloatType(t)) c.floats[row] = v;
    else if (isIntType(t)) c.ints[row] = (t == FieldType::Boolean) ? (v != 0.0) : qint64(v);
    else if (t == FieldType::String) c.strings[row] = QString::number(v, 'g', 17);
    else return;
    c.null[row] = 0;
}

void TableData::setString(int row, int col, const QString &v)
{
    const FieldType t = m_fields[col].type;
    auto &c = m_cols[col];
    if (t == FieldType::String) c.strings[row] = v;
    else if (isIntType(t)) c.ints[row] = v.trimmed().toLongLong();
    else if (isFloatType(t)) c.floats[row] = v.trimmed().toDouble();
    else c.blobs[row] = v.toUtf8();
    c.null[row] = 0;
}

void TableData::setBool(int row, int col, bool v)
{
    setInt(row, col, v ? 1 : 0);
}

void TableData::setBlob(int row, int col, const QByteArray &v)
{
    if (m_fields[col].type == FieldType::Blob) {
        m_cols[col].blobs[row] = v;
        m_cols[col].null[row] = 0;
    } else {
        setString(row, col, QString::fromUtf8(v));
    }
}

void TableData::setValue(int row, int col, const QVariant &v)
{
    if (!v.isValid() || v.isNull()) {
        setNull(row, col);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: setInt(row, col, v.toLongLong()); break;
    case QMetaType::Bool: setBool(row, col, v.toBool()); break;
    case QMetaType::Double:
    case QMetaType::Float: setFloat(row, col, v.toDouble()); break;
    case QMetaType::QByteArray: setBlob(row, col, v.toByteArray()); break;
    default: setString(row, col, v.toString()); break;
    }
}
