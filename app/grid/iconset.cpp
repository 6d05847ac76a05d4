#include "iconset.h"

const IconSet::Entry *IconSet::find(int value) const
{
    for (const Entry &e : m_entries)
        if (e.value == value)
            return &e;
    return nullptr;
}

QIcon IconSet::icon(int value) const
{
    const Entry *e = find(value);
    return e ? e->icon : QIcon();
}

QString IconSet::text(int value) const
{
    const Entry *e = find(value);
    return e ? e->text : QString();
}
