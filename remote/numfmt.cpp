#include "numfmt.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// Decimal digits and exponent of x with 15 significant digits:
// x = 0.d1d2...d15 * 10^exp.
static void decimalDigits(double x, std::string *digits, int *exp)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    // buf: "d.dddddddddddddde+XX"
    std::string d;
    d.push_back(buf[0]);
    const char *p = buf + 2;
    while (*p && *p != 'e')
        d.push_back(*p++);
    *exp = std::atoi(p + 1) + 1;
    *digits = d;
}

double decimalRound(double x, int decimals)
{
    if (!std::isfinite(x) || x == 0.0)
        return x;
    std::string digits;
    int exp = 0;
    decimalDigits(x, &digits, &exp);
    // Number of digits that stay: the integer part plus `decimals`.
    const int keep = exp + decimals;
    if (keep < 0)
        return 0.0;
    if (keep >= int(digits.size()))
        return x;
    std::string kept = digits.substr(0, size_t(keep));
    const bool up = digits[size_t(keep)] >= '5';
    if (kept.empty())
        kept = "0";
    if (up) {
        int i = int(kept.size()) - 1;
        while (i >= 0) {
            if (kept[size_t(i)] == '9') {
                kept[size_t(i)] = '0';
                --i;
            } else {
                ++kept[size_t(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            ++exp;
        }
    }
    // kept holds the digits down to 10^-decimals.
    std::string text = kept + "e" + std::to_string(-decimals);
    const double r = std::strtod(text.c_str(), nullptr);
    return x < 0 ? -r : r;
}

QString formatFloat(const QString &pattern, double value, const QLocale &locale)
{
    const int point = int(pattern.indexOf(u'.'));
    const QString intPart = point < 0 ? pattern : pattern.left(point);
    const QString fracPart = point < 0 ? QString() : pattern.mid(point + 1);
    const bool thousands = intPart.contains(u',');
    const int minInt = int(intPart.count(u'0'));
    const int decimals = int(fracPart.count(u'0'));

    const double r = decimalRound(value, decimals);
    QString digits = QString::number(std::fabs(r), 'f', decimals);
    QString whole = decimals > 0 ? digits.left(digits.size() - decimals - 1) : digits;
    const QString frac = decimals > 0 ? digits.right(decimals) : QString();
    if (whole == QLatin1String("0") && minInt == 0)
        whole.clear();
    while (whole.size() < minInt)
        whole.prepend(u'0');
    if (thousands && whole.size() > 3) {
        const QString sep = locale.groupSeparator();
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, sep);
    }
    QString out = whole;
    if (decimals > 0)
        out += locale.decimalPoint() + frac;
    const bool negative = r < 0 && (digits.count(u'0') + digits.count(u'.') != digits.size());
    if (negative)
        out.prepend(locale.negativeSign());
    return out;
}
