#pragma once
// Demo data: accounts, customers, catalogue, delivery and cargo choices and
// a started basket. Deterministic: the same item count gives the same data.

#include <QSqlDatabase>
#include <QString>

// Creates the schema and, when the database is new, fills it with `items`
// catalogue items in one transaction.
bool seedDatabase(QSqlDatabase &d, int items, QString *error);

// Adds or moves a workstation identifier to the account with that user name.
bool registerWorkstation(QSqlDatabase &d, const QString &id, const QString &userName, QString *error);

// Index words of one item (the text of its stok_ara row).
QString itemSearchText(const QStringList &fields);
