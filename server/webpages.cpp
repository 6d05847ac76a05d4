#include "webpages.h"

#include <QString>

namespace web {

namespace {

const char *const kStyle =
    "body{font-family:'Segoe UI',Arial,sans-serif;background:#eef2f6;margin:0;color:#1f2d3d}"
    "header{background:#0b3d6e;color:#fff;padding:18px 32px}header h1{margin:0;font-size:22px}"
    "header p{margin:4px 0 0;opacity:.8;font-size:13px}"
    "main{max-width:720px;margin:28px auto;background:#fff;border-radius:8px;padding:24px 32px;"
    "box-shadow:0 2px 10px rgba(0,0,0,.08)}"
    "h2{color:#0b3d6e;margin-top:0}table{border-collapse:collapse;width:100%}"
    "td{padding:8px 6px;border-bottom:1px solid #e3e8ee}td.k{color:#5a6b7d;width:38%}"
    "input,textarea{width:100%;box-sizing:border-box;padding:7px;border:1px solid #c5cfd9;border-radius:4px}"
    "button{background:#d9480f;color:#fff;border:0;border-radius:4px;padding:10px 22px;font-size:15px}"
    "footer{text-align:center;color:#7a8a9a;font-size:12px;margin:18px}";

QString esc(const QString &s)
{
    return s.toHtmlEscaped();
}

QString value(const QUrlQuery &q, const char *key)
{
    return q.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
}

QByteArray page(const QString &title, const QString &body)
{
    return QStringLiteral(
        "<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"><title>%1</title>"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><style>%2</style></head><body>"
        "<header><h1>Zerda Otomotiv</h1><p>Otomotiv yedek parça toptan satış · B2B sipariş sistemi</p></header>"
        "<main>%3</main><footer>© Zerda Otomotiv San. ve Tic. A.Ş. · Tanıtım sitesi</footer></body></html>")
        .arg(esc(title), QString::fromLatin1(kStyle), body).toUtf8();
}

} // namespace

QByteArray homePage()
{
    return page(QStringLiteral("Zerda Otomotiv"), QStringLiteral(
        "<h2>Hoş geldiniz</h2><p>Zerda Otomotiv bayilerine 500.000'i aşkın kalem yedek parçayı "
        "B2B sipariş programı ile sunar.</p><ul>"
        "<li><a href=\"/iletisim.html\">İletişim</a></li>"
        "<li><a href=\"/exe/ZerdaSetup.exe\">Zerda B2B programını indir</a></li></ul>"));
}

QByteArray contactPage()
{
    return page(QStringLiteral("İletişim - Zerda Otomotiv"), QStringLiteral(
        "<h2>İletişim</h2><table>"
        "<tr><td class=\"k\">Adres</td><td>Oto Sanayi Sitesi 12. Blok No: 4, Bayrampaşa / İstanbul</td></tr>"
        "<tr><td class=\"k\">Telefon</td><td>0212 567 00 90</td></tr>"
        "<tr><td class=\"k\">Faks</td><td>0212 567 00 91</td></tr>"
        "<tr><td class=\"k\">E-posta</td><td>b2b@zerdaoto.com.tr</td></tr>"
        "<tr><td class=\"k\">Çalışma saatleri</td><td>Hafta içi 08:30 - 18:30, Cumartesi 08:30 - 14:00</td></tr>"
        "</table>"));
}

QByteArray requestPage(const QUrlQuery &query)
{
    const QString body = QStringLiteral(
        "<h2>B2B Erişim İsteği</h2>"
        "<p>Bu bilgisayar henüz Zerda B2B sistemine kayıtlı değil. Aşağıdaki formu doldurarak erişim "
        "isteğinde bulunabilirsiniz; temsilciniz en kısa sürede sizinle iletişime geçecektir.</p>"
        "<form method=\"get\" action=\"/formmailgonder.aspx\"><table>"
        "<tr><td class=\"k\">Cari No</td><td>%1</td></tr>"
        "<tr><td class=\"k\">Kullanıcı</td><td>%2</td></tr>"
        "<tr><td class=\"k\">Bilgisayar Kimliği</td><td><code>%3</code></td></tr>"
        "<tr><td class=\"k\">Firma Adı</td><td><input name=\"firma\"></td></tr>"
        "<tr><td class=\"k\">Yetkili</td><td><input name=\"yetkili\"></td></tr>"
        "<tr><td class=\"k\">Telefon</td><td><input name=\"telefon\"></td></tr>"
        "<tr><td class=\"k\">Açıklama</td><td><textarea name=\"aciklama\" rows=\"3\"></textarea></td></tr>"
        "</table><input type=\"hidden\" name=\"id\" value=\"%3\"><p><button type=\"submit\">İstek Gönder</button></p></form>")
        .arg(esc(value(query, "carino")), esc(value(query, "kullanici")), esc(value(query, "id")));
    return page(QStringLiteral("Zerda B2B İstek Formu"), body);
}

QByteArray paymentPage(const QUrlQuery &query)
{
    const QString body = QStringLiteral(
        "<h2>Kredi Kartı ile Ödeme</h2><table>"
        "<tr><td class=\"k\">Cari No</td><td>%1</td></tr>"
        "<tr><td class=\"k\">Firma</td><td>%2</td></tr>"
        "<tr><td class=\"k\">Şube</td><td>%3</td></tr>"
        "<tr><td class=\"k\">Bakiye</td><td>%4 TL</td></tr></table>"
        "<p>Tanıtım sitesinde ödeme alınmaz.</p>")
        .arg(esc(value(query, "carino")), esc(value(query, "firmasi")), esc(value(query, "sube")), esc(value(query, "bakiye")));
    return page(QStringLiteral("Online Ödeme - Zerda Otomotiv"), body);
}

QByteArray notFoundPage()
{
    return page(QStringLiteral("Sayfa bulunamadı"), QStringLiteral("<h2>404</h2><p>Aradığınız sayfa bulunamadı.</p>"));
}

QByteArray installerScript()
{
    return QByteArrayLiteral(
        "#!/bin/sh\n"
        "# Zerda B2B demo installer: records that it ran; installs nothing.\n"
        "log=\"${TMPDIR:-/tmp}/zerda-setup.log\"\n"
        "echo \"$(date '+%Y-%m-%d %H:%M:%S') ZerdaSetup $*\" >> \"$log\"\n"
        "case \"$1\" in\n"
        "  /silent|/SILENT) echo \"Zerda B2B tanitim kurulumu sessiz calisti ($log)\" ;;\n"
        "  *) echo \"Zerda B2B tanitim kurulumu calisti; gercek bir kurulum yapilmaz ($log)\" ;;\n"
        "esac\n"
        "exit 0\n");
}

} // namespace web
