// The windows the login hands over to: the update and the access request.
#include "deployment.h"
#include "dosyaindir.h"
#include "formistekyeni.h"
#include "girisform.h"
#include "identity.h"
#include "seams.h"

#include <memory>

void DefaultOfferUpdate(QWidget *owner, DSConnection *bag, int version)
{
    std::unique_ptr<Tdosyaindir> w(Tdosyaindir::Yeni(owner, version));
    w->bag = bag;
    Seams::instance().execDialog(w.get());
}

void DefaultShowRequestForm(QWidget *owner)
{
    Tformistekyeni w(owner);
    w.setWindowTitle(QStringLiteral("Zerda Otomotiv B2B İstek Formu"));
    w.navigate(QUrl(Tformistekyeni::requestPageAddress(Deployment::current().webSiteBase, GetWorkstationId())));
    Seams::instance().execDialog(&w);
}
