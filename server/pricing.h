#pragma once
// Money arithmetic shared by the item lists and the basket: the cascading
// discount, two-decimal rounding and the discount display text.

#include <QString>
#include <array>

using Rates = std::array<double, 4>;

// Two decimals, halves away from zero (as the client rounds).
double round2(double v);

// N = gross; for each rate r > 0: N -= N * r / 100. Rates <= 0 are skipped.
double afterDiscounts(double gross, const Rates &rates);

// "10+5", "12,5"; "0" when no rate applies.
QString discountText(const Rates &rates);

struct LineAmounts {
    double tutar = 0;         // quantity * unit price
    double indirimTutar = 0;  // gross minus net
    double netTutar = 0;
    double vergiTutari = 0;
    double netBirimFiyat = 0;
};

LineAmounts lineAmounts(double quantity, double unitPrice, const Rates &rates, double vatRate);
