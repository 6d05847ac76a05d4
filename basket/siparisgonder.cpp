#include "siparisgonder.h"

#include "async.h"
#include "callframe.h"
#include "clientdataset.h"
#include "mainwindow.h"
#include "messages.h"
#include "onaysip.h"
#include "seams.h"
#include "session.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <atomic>
#include <memory>

const char *const kGonderilecekParcaYok = "Gönderilecek Parça Yok ";
const char *const kSiparisGonderildi = "Siparişiniz Gönderildi !";
const char *const kSiparisGondermeHatasi = "Sipariş Göndermede Hata";

bool SiparisGonder(DSConnection &bagc, const Session &sbilgi, int KN, int kt, const QString &aciklama, int td)
{
    auto BB = sbilgi.copy();
    const qint32 carino = BB->CARINO();
    const qint32 verenid = BB->Sirano();
    bool stored = false;
    CallServer(bagc, 1, [&](TServerMethods1Client &proxy) {
        stored = proxy.SiparisKaydet(std::move(BB), carino, td, kt, aciklama, verenid, KN);
    });
    return stored;
}

void GonderClick(TForm1 &form, const QString &warningText, const QString &totalText)
{
    guarded([&] {
        if (!HasSelectedRows(form.sepet)) {
            ShowWarning(QString::fromUtf8(kGonderilecekParcaYok));
            return;
        }
        auto d = TONAYSIP::Ac(&form, form.bagc, warningText, form.sbilgi, totalText);
        d->Label3->setText(warningText);
        if (Seams::instance().execDialog(d.get()) != QDialog::Accepted)
            return;
        if (SiparisGonder(form.bagc, form.sbilgi, d->KN, d->kt, d->aciklamagir->toPlainText(), d->td)) {
            ShowInfo(QString::fromUtf8(kSiparisGonderildi));
            if (form.SepetGorunumYenile)
                form.SepetGorunumYenile();
        } else {
            ShowError(QString::fromUtf8(kSiparisGondermeHatasi));
        }
    });
}

namespace {
std::atomic<int> g_sonKontrol{0};
}

void CariBakiyeUyariBak(const DSConnection &main, const Session &session, std::function<void(const QString &)> showOnUi)
{
    // Cloned and read here, on the UI thread, which alone touches the main
    // connection; the worker then owns everything it uses.
    std::shared_ptr<DSConnection> clone(main.CloneConnection());
    const qint32 carino = session.snapshot().CARINO();
    const int kontrol = ++g_sonKontrol;
    StartPlainThread([clone, carino, kontrol, showOnUi = std::move(showOnUi)]() mutable {
        if (!OpenConnection(*clone, 0))
            return;
        QString text;
        try {
            TServerMethods1Client proxy(clone.get());
            text = proxy.CariVadeGunGecmismiBul(carino);
        } catch (...) {
            text.clear();
        }
        clone->Close();
        clone.reset();
        Synchronize([&] {
            if (kontrol == g_sonKontrol.load() && showOnUi)
                showOnUi(text);
        });
    });
}
