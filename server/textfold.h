#pragma once
// Turkish-aware folding for the stock search: both the indexed text and the
// typed words go through the same folding, so "çiğ", "CIG" and "ÇİĞ" meet.

#include <QString>
#include <QStringList>

// Upper case, Turkish letters to their plain Latin form (İ/I/ı/i -> I,
// Ş -> S, Ğ -> G, Ü -> U, Ö -> O, Ç -> C), other accents dropped.
QString foldText(const QString &text);

// Index words of one field value: its alphanumeric runs, plus the value's
// blank-separated chunks with separators removed ("7701-208-265" is found
// by "7701208265" as well as by "7701"), plus, for values with digits, the
// whole value without separators ("0Z5 706 875" is found by "0Z5706875").
void addIndexWords(const QString &value, QStringList *words);

// FTS5 query for the typed text: every word must match as a prefix. Empty
// when the text holds no searchable word.
QString searchExpression(const QString &typed);
