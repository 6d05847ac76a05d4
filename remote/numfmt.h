#pragma once
// Number formatting the way the program's display formats mean it:
// "#,###,##0.00" (money), "#,###,##.00" (no leading zero), with the
// locale's separators, halves rounded away from zero on the decimal value.

#include <QLocale>
#include <QString>

// x rounded to `decimals` places, halves away from zero. The rounding is done
// on the shortest 15-digit decimal form of x, so 1.005 gives 1.01 and 0.125
// gives 0.13 although neither is exact in binary.
double decimalRound(double x, int decimals);

// FormatFloat-style pattern: ',' anywhere before the point asks for thousands
// separators; '0's before the point are the minimum integer digits; '0's after
// it the decimals.
QString formatFloat(const QString &pattern, double value, const QLocale &locale = QLocale());

// Money figures of the program: two (three) places, halves away from zero,
// what "#,###,##.00" ("#,###,##.000") formats read back as a number.
inline double RoundTo2(double x) { return decimalRound(x, 2); }
inline double RoundTo3(double x) { return decimalRound(x, 3); }

inline const QString &moneyFormat()
{
    static const QString f = QStringLiteral("#,###,##0.00");
    return f;
}
