#pragma once
// SQLite access shared by all handlers: opening a per-thread connection,
// the schema, settings, bound queries and the scoped write transaction.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <stdexcept>

// A failure the caller sees as the error text of its call.
class CallError : public std::runtime_error
{
public:
    explicit CallError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

namespace db {

// Opens a new connection under a unique name (WAL, busy timeout, foreign keys).
QSqlDatabase open(const QString &path, const QString &connectionName, QString *error);
void close(const QString &connectionName);
bool createSchema(QSqlDatabase &d, QString *error);
bool isSeeded(QSqlDatabase &d);

QString setting(QSqlDatabase &d, const QString &key, const QString &fallback = QString());
void setSetting(QSqlDatabase &d, const QString &key, const QString &value);

// Prepares, binds by position and executes; throws CallError on failure.
QSqlQuery run(QSqlDatabase &d, const QString &sql, std::initializer_list<QVariant> binds = {});
// First column of the first row, or an invalid value when there is no row.
QVariant scalar(QSqlDatabase &d, const QString &sql, std::initializer_list<QVariant> binds = {});

// BEGIN IMMEDIATE on construction, ROLLBACK on destruction unless committed:
// a writing call either stores everything or nothing.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase &d);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    QSqlDatabase &m_db;
    bool m_done = false;
};

} // namespace db
