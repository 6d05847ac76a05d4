// Small figures and texts of the main window: basket count, ticker, opening screens.
#include "caller.h"
#include "database.h"
#include "handlers.h"

#include <mobilstokunit.h>

namespace handlers {

QJsonArray SepetSayisi(CallContext &ctx, const CallArgs &a)
{
    const Caller c = resolveCaller(ctx.db, a.session(0));
    return QJsonArray{db::scalar(ctx.db, QStringLiteral("SELECT COUNT(*) FROM sepet WHERE carino = ?"), {c.carino}).toInt()};
}

QJsonArray KayanYaziGetir(CallContext &ctx, const CallArgs &)
{
    return QJsonArray{db::setting(ctx.db, QStringLiteral("kayanyazi"))};
}

// The demo publishes no opening screens yet: the count and the list agree.
QJsonArray AcilisReklamAdet(CallContext &, const CallArgs &)
{
    return QJsonArray{0};
}

QJsonArray AcilisEkranlarVer2(CallContext &, const CallArgs &)
{
    TAcilisEkranlariki screens;
    ObjectWriter w;
    return QJsonArray{w.write(&screens)};
}

} // namespace handlers
