#pragma once
// Icons of an integer-coded column (availability, flags): value -> icon and
// the description shown as its tooltip and in filter lists.

#include <QIcon>
#include <QList>
#include <QString>
#include <initializer_list>

class IconSet
{
public:
    struct Entry {
        int value = 0;
        QIcon icon = {};
        QString text = {};
    };

    IconSet() = default;
    IconSet(std::initializer_list<Entry> entries) : m_entries(entries) {}

    // Null icon / empty text for a value the set does not know.
    QIcon icon(int value) const;
    QString text(int value) const;
    bool contains(int value) const { return find(value) != nullptr; }
    const QList<Entry> &entries() const { return m_entries; }

private:
    const Entry *find(int value) const;
    QList<Entry> m_entries;
};
