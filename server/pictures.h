#pragma once
// Demo item pictures: drawn on demand from the item's own data (the same
// item always gives the same JPEG) and kept in a small shared cache.

#include <QByteArray>
#include <QCache>
#include <QMutex>
#include <QSqlDatabase>

class Pictures
{
public:
    // JPEG bytes of the item's picture; empty when the item has none or is unknown.
    QByteArray jpeg(QSqlDatabase &d, int stokno);

private:
    QMutex m_lock;
    QCache<int, QByteArray> m_cache{256};
};
