#include "searchtext.h"

QString foldSearchText(const QString &typed)
{
    static const QString from = QStringLiteral("ğüşöçĞÜŞİÖÇı");
    static const QString to = QStringLiteral("gusocGUSIOCI");
    QString out = typed;
    for (QChar &c : out) {
        const qsizetype i = from.indexOf(c);
        if (i >= 0)
            c = to.at(i);
    }
    return out.toUpper();
}

bool searchTextLongEnough(const QString &text)
{
    return text.trimmed().size() >= 3;
}
