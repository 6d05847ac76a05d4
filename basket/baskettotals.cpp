#include "baskettotals.h"

#include "clientdataset.h"
#include "numfmt.h"

BasketTotals basketTotals(TClientDataSet &sepet)
{
    BasketTotals t;
    if (!HasRows(sepet))
        return t;
    const TField sec = sepet.FieldByName(QStringLiteral("SEC"));
    const TField tutar = sepet.FieldByName(QStringLiteral("TUTAR"));
    const TField indirim = sepet.FieldByName(QStringLiteral("INDIRIMTUTAR"));
    const TField vergi = sepet.FieldByName(QStringLiteral("VERGITUTARI"));
    for (sepet.First(); !sepet.Eof(); sepet.Next()) {
        if (sec.AsInteger() != 1)
            continue;
        t.toplam = RoundTo2(t.toplam + tutar.AsFloat());
        t.indirim = RoundTo2(t.indirim + indirim.AsFloat());
        t.vergi = RoundTo2(t.vergi + vergi.AsFloat());
    }
    t.ara = RoundTo2(t.toplam - t.indirim);
    t.genel = RoundTo2(t.vergi + t.ara);
    return t;
}
