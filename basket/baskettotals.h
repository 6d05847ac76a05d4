#pragma once
// Totals of the selected basket lines, rounded to cents after every addition
// (halves away from zero), as the basket tab and the order confirmation show them.

class TClientDataSet;

struct BasketTotals {
    double toplam = 0;  // T: sum of TUTAR
    double indirim = 0; // I: sum of INDIRIMTUTAR
    double vergi = 0;   // V: sum of VERGITUTARI
    double ara = 0;     // A: T - I
    double genel = 0;   // G: V + A
};

// Walks the dataset from the first line; the cursor ends on the last line.
BasketTotals basketTotals(TClientDataSet &sepet);
