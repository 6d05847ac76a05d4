#include "textfold.h"

#include <algorithm>

namespace {

QChar foldChar(QChar c)
{
    switch (c.unicode()) {
    case u'ı': case u'i': case u'İ': return QLatin1Char('I');
    case u'ş': case u'Ş': return QLatin1Char('S');
    case u'ğ': case u'Ğ': return QLatin1Char('G');
    case u'ü': case u'Ü': return QLatin1Char('U');
    case u'ö': case u'Ö': return QLatin1Char('O');
    case u'ç': case u'Ç': return QLatin1Char('C');
    default: return c;
    }
}

bool isWordChar(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

// Alphanumeric content only, so a term can never carry FTS5 syntax.
QString stripped(const QString &folded)
{
    QString out;
    out.reserve(folded.size());
    for (QChar c : folded)
        if (isWordChar(c))
            out.append(c);
    return out;
}

} // namespace

QString foldText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(foldChar(c));
    out = out.normalized(QString::NormalizationForm_D).toUpper();
    // Drop combining marks left by decomposition (É -> E).
    out.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return out;
}

void addIndexWords(const QString &value, QStringList *words)
{
    if (value.isEmpty())
        return;
    const QString folded = foldText(value);
    QString run;
    for (QChar c : folded) {
        if (isWordChar(c)) {
            run.append(c);
        } else if (!run.isEmpty()) {
            words->append(run);
            run.clear();
        }
    }
    if (!run.isEmpty())
        words->append(run);
    const QStringList chunks = folded.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &chunk : chunks) {
        const QString s = stripped(chunk);
        if (!s.isEmpty() && s.size() != chunk.size())
            words->append(s);
    }
    // Codes are often written with blanks too ("0Z5 706 875").
    if (chunks.size() > 1 && std::any_of(folded.begin(), folded.end(), [](QChar c) { return c.isDigit(); }))
        words->append(stripped(folded));
}

QString searchExpression(const QString &typed)
{
    QStringList terms;
    for (const QString &word : foldText(typed).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString s = stripped(word);
        if (!s.isEmpty() && !terms.contains(s))
            terms.append(QLatin1Char('"') + s + QLatin1String("\"*"));
    }
    return terms.join(QLatin1String(" AND "));
}
