#pragma once
// What the search box makes of typed text: Turkish letters folded to plain
// ones, then upper case ("çiğ" becomes "CIG").

#include <QString>

QString foldSearchText(const QString &typed);
// Enough to search: at least three characters once trimmed.
bool searchTextLongEnough(const QString &text);
