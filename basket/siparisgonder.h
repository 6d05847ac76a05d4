#pragma once
// Sending the basket as an order ("Gönder") and the customer's overdue or
// balance warning shown on the basket tab.

#include <QString>
#include <functional>

class DSConnection;
class Session;
class TForm1;

// "Gönder": at least one selected line, the confirmation dialog, then the
// order. `warningText` is what lbluyarbakiye shows, `totalText` what
// geneltoplaml shows. Errors go to the default error report.
void GonderClick(TForm1 &form, const QString &warningText, const QString &totalText);

// "TServerMethods1.SiparisKaydet" on `bagc` (report 1). False when the
// connection could not be opened or the server did not store the order.
bool SiparisGonder(DSConnection &bagc, const Session &sbilgi, int KN, int kt, const QString &aciklama, int td);

// Fetches the warning on a thread of its own with a clone of `main`, then
// hands the text to `showOnUi` on the UI thread (empty: no warning). Silent
// on every failure. Only the latest check reports, so an earlier one that
// ends late cannot overwrite a newer customer's warning.
void CariBakiyeUyariBak(const DSConnection &main, const Session &session,
                        std::function<void(const QString &)> showOnUi);

extern const char *const kGonderilecekParcaYok;  // "Gönderilecek Parça Yok "
extern const char *const kSiparisGonderildi;     // "Siparişiniz Gönderildi !"
extern const char *const kSiparisGondermeHatasi; // "Sipariş Göndermede Hata"
