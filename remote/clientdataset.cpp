#include "clientdataset.h"

#include "errors.h"
#include "numfmt.h"
#include "wire.h"

#include <QLocale>
#include <QThreadPool>

namespace {

// Freeing 30 000 rows of text takes tens of milliseconds; a large old table
// is let go on a pool thread so the UI thread does not stall on a reload.
void release(TableData &&old)
{
    if (qint64(old.rowCount()) * old.columnCount() < 20000 || !QThreadPool::globalInstance())
        return; // small: destroyed right here
    auto *doomed = new TableData(std::move(old));
    QThreadPool::globalInstance()->start([doomed] { delete doomed; });
}

} // namespace

QString TField::FieldName() const { return m_ds->m_data.fields()[m_index].name; }
FieldType TField::DataType() const { return m_ds->m_data.fields()[m_index].type; }

QVariant TField::Value() const
{
    if (m_ds->m_cur < 0)
        return QVariant();
    if (m_ds->m_editing)
        return m_ds->m_editBuffer[size_t(m_index)];
    return m_ds->m_data.value(m_ds->m_cur, m_index);
}

bool TField::IsNull() const
{
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

qint32 TField::AsInteger() const { return qint32(AsLargeInt()); }

qint64 TField::AsLargeInt() const
{
    const QVariant v = Value();
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const qint64 n = v.toString().trimmed().toLongLong(&ok);
        if (!ok && !v.toString().trimmed().isEmpty())
            throw ConversionError(QStringLiteral("'%1' geçerli bir tamsayı değil").arg(v.toString()));
        return n;
    }
    return v.typeId() == QMetaType::Double ? qint64(v.toDouble()) : v.toLongLong();
}

double TField::AsFloat() const { return Value().toDouble(); }
bool TField::AsBoolean() const { return Value().toBool(); }

QString TField::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return QString();
    if (v.typeId() == QMetaType::Double)
        return QLocale().toString(v.toDouble(), 'g', 15);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

QString TField::DisplayText() const
{
    if (m_ds->m_cur < 0)
        return QString();
    if (!m_ds->m_editing)
        return m_ds->displayText(m_ds->m_cur, m_index);
    const QString fmt = m_ds->displayFormat(m_index);
    if (!fmt.isEmpty() && !IsNull())
        return formatFloat(fmt, AsFloat());
    return AsString();
}

void TField::setValue(const QVariant &v) const
{
    if (m_ds->m_cur < 0)
        throw ConversionError(QStringLiteral("Kayıt yok"));
    if (!m_ds->m_editing)
        throw ConversionError(QStringLiteral("Veri kümesi düzenleme durumunda değil"));
    m_ds->m_editBuffer[size_t(m_index)] = v;
}

void TField::setAsInteger(qint64 v) const { setValue(QVariant(v)); }
void TField::setAsFloat(double v) const { setValue(QVariant(v)); }
void TField::setAsString(const QString &v) const { setValue(QVariant(v)); }

void TClientDataSet::Close()
{
    m_data.clear();
    m_formats.clear();
    m_active = false;
    m_cur = -1;
    m_eof = true;
    m_editing = false;
    notify(Change::Reset, -1);
}

void TClientDataSet::loadFromPacket(const TableData &packet)
{
    loadFromPacket(TableData(packet));
}

void TClientDataSet::loadFromPacket(TableData &&packet)
{
    std::swap(m_data, packet);
    release(std::move(packet));
    m_formats.assign(size_t(m_data.columnCount()), QString());
    m_active = true;
    m_editing = false;
    First();
    notify(Change::Reset, -1);
}

void TClientDataSet::EmptyDataSet()
{
    TableData old(m_data.fields());
    std::swap(m_data, old);
    release(std::move(old));
    m_editing = false;
    First();
    notify(Change::Reset, -1);
}

void TClientDataSet::First()
{
    m_cur = RecordCount() > 0 ? 0 : -1;
    m_eof = m_cur < 0;
}

void TClientDataSet::Next()
{
    if (m_cur + 1 < RecordCount())
        ++m_cur;
    else
        m_eof = true;
}

void TClientDataSet::Last()
{
    m_cur = RecordCount() - 1;
    m_eof = m_cur < 0;
}

void TClientDataSet::setRecNo(int row)
{
    if (row >= 0 && row < RecordCount()) {
        m_cur = row;
        m_eof = false;
    }
}

bool TClientDataSet::Locate(const QString &field, const QVariant &value)
{
    const int c = m_data.indexOf(field);
    if (c < 0)
        throw ConversionError(QStringLiteral("%1 alanı bulunamadı").arg(field));
    const bool numeric = value.typeId() != QMetaType::QString;
    for (int r = 0; r < RecordCount(); ++r) {
        if (m_data.isNull(r, c))
            continue;
        const bool hit = numeric ? m_data.floatValue(r, c) == value.toDouble()
                                 : m_data.stringValue(r, c) == value.toString();
        if (hit) {
            setRecNo(r);
            return true;
        }
    }
    return false;
}

TField TClientDataSet::FieldByName(const QString &name)
{
    const int i = m_data.indexOf(name);
    if (i < 0)
        throw ConversionError(QStringLiteral("%1 alanı bulunamadı").arg(name));
    return TField(this, i);
}

TField TClientDataSet::FindField(const QString &name)
{
    return TField(this, m_data.indexOf(name));
}

void TClientDataSet::Edit()
{
    if (m_cur < 0)
        throw ConversionError(QStringLiteral("Düzenlenecek kayıt yok"));
    if (m_editing)
        return;
    m_editBuffer.resize(size_t(m_data.columnCount()));
    for (int c = 0; c < m_data.columnCount(); ++c)
        m_editBuffer[size_t(c)] = m_data.value(m_cur, c);
    m_editing = true;
}

void TClientDataSet::Post()
{
    if (!m_editing)
        return;
    for (int c = 0; c < m_data.columnCount(); ++c)
        m_data.setValue(m_cur, c, m_editBuffer[size_t(c)]);
    m_editing = false;
    notify(Change::Row, m_cur);
}

void TClientDataSet::Cancel()
{
    m_editing = false;
}

void TClientDataSet::DisableControls()
{
    ++m_disabled;
}

void TClientDataSet::EnableControls()
{
    if (m_disabled > 0 && --m_disabled == 0 && m_pendingReset) {
        m_pendingReset = false;
        notify(Change::Reset, -1);
    }
}

QString TClientDataSet::displayFormat(int field) const
{
    return field >= 0 && size_t(field) < m_formats.size() ? m_formats[size_t(field)] : QString();
}

void TClientDataSet::setDisplayFormat(int field, const QString &format)
{
    if (field >= 0 && size_t(field) < m_formats.size())
        m_formats[size_t(field)] = format;
}

QString TClientDataSet::displayText(int row, int field) const
{
    if (m_data.isNull(row, field))
        return QString();
    const FieldType t = m_data.fields()[field].type;
    const QString &fmt = m_formats[size_t(field)];
    switch (t) {
    case FieldType::Float:
    case FieldType::Currency:
        return fmt.isEmpty() ? QLocale().toString(m_data.floatValue(row, field), 'g', 15)
                             : formatFloat(fmt, m_data.floatValue(row, field));
    case FieldType::DateTime: {
        const QDateTime dt = wire::fromDayNumber(m_data.floatValue(row, field));
        return dt.time() == QTime(0, 0) ? QLocale().toString(dt.date(), QLocale::ShortFormat)
                                        : QLocale().toString(dt, QLocale::ShortFormat);
    }
    case FieldType::Boolean:
        return m_data.boolValue(row, field) ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return m_data.stringValue(row, field);
    }
}

int TClientDataSet::addObserver(Observer o)
{
    const int id = m_nextObserver++;
    m_observers.append({id, std::move(o)});
    return id;
}

void TClientDataSet::removeObserver(int id)
{
    for (qsizetype i = 0; i < m_observers.size(); ++i) {
        if (m_observers[i].first == id) {
            m_observers.removeAt(i);
            return;
        }
    }
}

void TClientDataSet::notify(Change c, int row)
{
    if (m_disabled > 0) {
        m_pendingReset = true;
        return;
    }
    const auto observers = m_observers;
    for (const auto &o : observers)
        o.second(c, row);
}

void FormatFloatFields(TClientDataSet &ds)
{
    for (int i = 0; i < ds.FieldCount(); ++i)
        if (ds.data().fields()[i].type == FieldType::Float)
            ds.setDisplayFormat(i, moneyFormat());
}

bool HasRows(const TClientDataSet &ds)
{
    return ds.Active() && ds.RecordCount() > 0;
}

bool HasSelectedRows(TClientDataSet &ds)
{
    if (!HasRows(ds))
        return false;
    const TField sec = ds.FindField(QStringLiteral("SEC"));
    if (!sec.isValid())
        return false;
    for (ds.First(); !ds.Eof(); ds.Next())
        if (sec.AsInteger() == 1)
            return true;
    return false;
}
