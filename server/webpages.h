#pragma once
// Pages of the demo web site. Every value taken from a request is HTML-escaped.

#include <QByteArray>
#include <QUrlQuery>

namespace web {
QByteArray homePage();
QByteArray contactPage();
QByteArray requestPage(const QUrlQuery &query);  // formmailgonder.aspx
QByteArray paymentPage(const QUrlQuery &query);  // nuvelkart.html
QByteArray notFoundPage();
QByteArray installerScript();                    // exe/ZerdaSetup.exe
} // namespace web
