#include "caller.h"

#include "database.h"

#include <baglantiu.h>

Caller resolveCaller(QSqlDatabase &d, const TSonucBilgisi *session)
{
    if (!session)
        throw CallError(QStringLiteral("Oturum bilgisi eksik"));
    QSqlQuery q = db::run(d, QStringLiteral("SELECT adi, sifre, carino, musteritipi, aktif FROM kullanici WHERE sirano = ?"),
                          {session->Sirano()});
    if (!q.next() || q.value(0).toString() != session->ADI() || q.value(1).toString() != session->SIFRE()
        || q.value(4).toInt() != 1)
        throw CallError(QStringLiteral("Oturum geçersiz"));
    Caller c;
    c.user = session->Sirano();
    c.userName = q.value(0).toString();
    c.type = q.value(3).toInt();
    c.carino = q.value(2).toInt();
    if (c.representative() && session->CARINO() != c.carino) {
        // A representative works for the customer he has chosen.
        if (!db::scalar(d, QStringLiteral("SELECT 1 FROM cari WHERE carino = ?"), {session->CARINO()}).isValid())
            throw CallError(QStringLiteral("Cari bulunamadı: %1").arg(session->CARINO()));
        c.carino = session->CARINO();
    }
    return c;
}

bool callerMayUse(const Caller &c, int carino)
{
    return carino == c.carino;
}
