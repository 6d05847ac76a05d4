#pragma once
// Connecting and the call frame: open, proxy, call, copy, free, close.

#include "connection.h"
#include "proxy.h"

#include <functional>

// Opens the connection with up to 11 attempts 500 ms apart, showing each
// failure's text in a plain message box. With report = 1 a final
// "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!" follows the last one.
bool OpenConnection(DSConnection &connection, int report);

extern const char *const kConnectionFailedText; // "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"

// One call on `connection`: OpenConnection(report), a proxy, fn(proxy), then
// the proxy is freed and the connection closed, whatever fn does. Returns
// false (nothing called) when the connection could not be opened; an error of
// fn passes on to the caller after the clean-up.
bool CallServer(DSConnection &connection, int report, const std::function<void(TServerMethods1Client &)> &fn);

// The same on a private clone of `main` (what workers and some dialogs use).
bool CallServerOnClone(const DSConnection &main, int report, const std::function<void(TServerMethods1Client &)> &fn);
