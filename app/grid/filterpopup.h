#pragma once
// Drop-down under a header filter button: "(Tümü)" and the column's distinct
// values with check boxes.

#include "gridproxy.h"

#include <QFrame>
#include <QSet>

class QListWidget;

class FilterPopup : public QFrame
{
    Q_OBJECT
public:
    FilterPopup(const QList<GridProxy::FilterValue> &values, const QSet<QString> &checked, bool truncated,
                QWidget *parent = nullptr);

signals:
    // Empty set: show every row.
    void applied(const QSet<QString> &keys);

private:
    void apply();
    QListWidget *m_list;
};
