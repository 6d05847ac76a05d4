#include "pricing.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

double round2(double v)
{
    // The nudge keeps decimal halves such as 1.005 (stored as 1.00499...)
    // rounding up, like the client's text-based rounding does.
    return std::round(v * 100.0 + std::copysign(1e-6, v)) / 100.0;
}

double afterDiscounts(double gross, const Rates &rates)
{
    double n = gross;
    for (double r : rates)
        if (r > 0)
            n -= n * r / 100.0;
    return n;
}

QString discountText(const Rates &rates)
{
    static const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    QStringList parts;
    for (double r : rates)
        if (r > 0)
            parts.append(tr.toString(r, 'g', 6));
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QLatin1Char('+'));
}

LineAmounts lineAmounts(double quantity, double unitPrice, const Rates &rates, double vatRate)
{
    LineAmounts a;
    const double gross = quantity * unitPrice;
    a.tutar = round2(gross);
    a.indirimTutar = round2(gross - afterDiscounts(gross, rates));
    a.netTutar = round2(a.tutar - a.indirimTutar);
    a.vergiTutari = round2(a.netTutar * vatRate / 100.0);
    a.netBirimFiyat = quantity != 0 ? round2(a.netTutar / quantity) : 0.0;
    return a;
}
