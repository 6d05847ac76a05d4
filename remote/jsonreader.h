#pragma once
// A strict JSON reader for reply frames. Small values become QJsonValues;
// a table ({"kind": "table"|"datapacket", "columns": [...], "rows": [...]},
// in that member order, as our writer puts it) is read straight into a
// TableData, without a QJsonValue per cell, and left in the tree as the
// placeholder {"kind": ..., "$table": index}.

#include "tabledata.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <vector>

struct ParsedFrame {
    QJsonValue value;
    std::vector<TableData> tables;
};

bool parseFrameJson(const QByteArray &text, ParsedFrame *out, QString *error);
