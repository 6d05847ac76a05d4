#pragma once
// Shared utility functions: folders, URL encoding, the remembered login.

#include <QString>

// <XDG config>/zerdaoto, created when missing.
QString GetSettingsFolder();
// The user's Documents folder; empty when the system cannot tell it.
QString GetDocumentsFolder();
// <XDG data>/zerdaoto (the local application-data folder), created when missing.
QString GetLocalAppDataFolder();

// The address taken as a URI: path and query percent-encoded as UTF-8,
// scheme, host, "/", "?", "&" and "=" left as they are.
QString UrlEncode(const QString &address);

struct RememberedLogin {
    QString isim;
    QString sifre;
    bool hatirla = true;
};

// "ayar.ini" in the settings folder. Reading a missing file answers false.
QString LoginFilePath();
bool ReadRememberedLogin(RememberedLogin *out);
bool WriteRememberedLogin(const RememberedLogin &login);
