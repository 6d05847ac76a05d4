#pragma once
// In-memory client dataset: typed fields and rows (a TableData), a current
// record, locate, edit/post, display formats and observers (item models).
// Not thread-safe: a background load fills it only while no view is attached
// and its controls are disabled.

#include "tabledata.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class TClientDataSet;

class TField
{
public:
    TField(TClientDataSet *ds, int index) : m_ds(ds), m_index(index) {}
    bool isValid() const { return m_index >= 0; }
    int index() const { return m_index; }
    QString FieldName() const;
    FieldType DataType() const;
    bool IsNull() const;
    qint32 AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QString AsString() const; // raw text
    QString DisplayText() const; // with the display format and the locale
    QVariant Value() const;
    void setAsInteger(qint64 v) const;
    void setAsFloat(double v) const;
    void setAsString(const QString &v) const;
    void setValue(const QVariant &v) const;

private:
    TClientDataSet *m_ds;
    int m_index;
};

class TClientDataSet
{
public:
    enum class Change { Reset, Row };
    using Observer = std::function<void(Change, int row)>;

    bool Active() const { return m_active; }
    void Close();
    // Replace structure and rows by a data packet.
    void loadFromPacket(const TableData &packet);
    void loadFromPacket(TableData &&packet);
    // Copy a reader: its columns become the fields, every row is appended.
    void loadFromReader(const TableData &reader) { loadFromPacket(reader); }
    void EmptyDataSet();

    int RecordCount() const { return m_active ? m_data.rowCount() : 0; }
    int FieldCount() const { return m_data.columnCount(); }
    int RecNo() const { return m_cur; } // 0-based, -1 when empty
    bool Eof() const { return m_eof; }
    void First();
    void Next();
    void Last();
    void setRecNo(int row);
    bool Locate(const QString &field, const QVariant &value);

    TField FieldByName(const QString &name); // throws ConversionError when absent
    TField FindField(const QString &name);   // invalid field when absent
    TField Fields(int index) { return TField(this, index); }

    // Edit/Post on the current record.
    void Edit();
    void Post();
    void Cancel();
    bool Editing() const { return m_editing; }

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disabled > 0; }

    QString displayFormat(int field) const;
    void setDisplayFormat(int field, const QString &format);
    QString displayText(int row, int field) const;

    const TableData &data() const { return m_data; }
    TableData &data() { return m_data; }

    int addObserver(Observer o);
    void removeObserver(int id);

private:
    friend class TField;
    void notify(Change c, int row);

    TableData m_data;
    std::vector<QString> m_formats;
    bool m_active = false;
    int m_cur = -1;
    bool m_eof = true;
    bool m_editing = false;
    std::vector<QVariant> m_editBuffer;
    int m_disabled = 0;
    bool m_pendingReset = false;
    QList<QPair<int, Observer>> m_observers;
    int m_nextObserver = 1;
};

// Money display format on every double field; integer, text, date and
// currency fields are left as they are.
void FormatFloatFields(TClientDataSet &ds);
bool HasRows(const TClientDataSet &ds);
// True when some record has SEC = 1; the cursor rests on the first such
// record (at the end when there is none).
bool HasSelectedRows(TClientDataSet &ds);
