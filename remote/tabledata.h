#pragma once
// Column-oriented table: what readers and data packets carry, and what the
// in-memory dataset keeps. Values stay typed; text is made only for display.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

enum class FieldType { Integer, LargeInt, Float, Currency, Boolean, String, DateTime, Blob };

QString fieldTypeName(FieldType t);
bool fieldTypeFromName(const QString &name, FieldType *out);

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
};

class TableData
{
public:
    TableData() = default;
    explicit TableData(const QList<FieldDef> &fields) { setFields(fields); }

    void setFields(const QList<FieldDef> &fields);
    const QList<FieldDef> &fields() const { return m_fields; }
    int columnCount() const { return int(m_fields.size()); }
    int rowCount() const { return m_rows; }
    int indexOf(const QString &name) const; // case-insensitive, -1 when absent

    void clear();      // fields and rows
    void clearRows();
    void reserve(int rows);
    int appendRow();   // a row of nulls; returns its index
    void removeRow(int row);

    bool isNull(int row, int col) const { return m_cols[col].null[row] != 0; }
    qint64 intValue(int row, int col) const;    // Integer, LargeInt, Boolean; floats truncated
    double floatValue(int row, int col) const;  // any numeric column
    QString stringValue(int row, int col) const; // raw text, numbers in C locale
    // The stored text of a String column, without a copy.
    const QString &stringRef(int row, int col) const { return m_cols[size_t(col)].strings[size_t(row)]; }
    bool boolValue(int row, int col) const;
    QByteArray blobValue(int row, int col) const;
    QVariant value(int row, int col) const;     // null -> invalid QVariant

    void setNull(int row, int col);
    void setInt(int row, int col, qint64 v);
    void setFloat(int row, int col, double v);
    void setString(int row, int col, const QString &v);
    void setBool(int row, int col, bool v);
    void setBlob(int row, int col, const QByteArray &v);
    void setValue(int row, int col, const QVariant &v); // converts to the column type

private:
    struct Column {
        std::vector<qint64> ints;
        std::vector<double> floats;
        std::vector<QString> strings;
        std::vector<QByteArray> blobs;
        std::vector<char> null;
    };
    static bool isIntType(FieldType t) { return t == FieldType::Integer || t == FieldType::LargeInt || t == FieldType::Boolean; }
    static bool isFloatType(FieldType t) { return t == FieldType::Float || t == FieldType::Currency || t == FieldType::DateTime; }

    QList<FieldDef> m_fields;
    std::vector<Column> m_cols;
    int m_rows = 0;
};
