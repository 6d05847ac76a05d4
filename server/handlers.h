#pragma once
// One handler per server method. The dispatcher has already checked the
// parameter count and JSON types against the method's signature, so handlers
// read their arguments by position without further checks.

#include <QHash>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <vector>

class Pictures;
class TableData;
class TSonucBilgisi;

struct CallContext {
    QSqlDatabase &db;
    Pictures &pictures;
    // Tables of the reply, written as JSON text apart from the rest (fast for
    // 100 000 rows); the result array holds {"$table": i} in their place.
    std::vector<QByteArray> tables;
    QJsonValue table(const TableData &t, bool dataPacket);
};

class CallArgs
{
public:
    struct Value {
        qint32 integer = 0;
        double number = 0;
        bool flag = false;
        QString text;
        std::shared_ptr<TSonucBilgisi> session;
    };
    explicit CallArgs(std::vector<Value> values) : m_values(std::move(values)) {}
    qint32 integer(int i) const { return m_values[size_t(i)].integer; }
    double number(int i) const { return m_values[size_t(i)].number; }
    bool flag(int i) const { return m_values[size_t(i)].flag; }
    const QString &text(int i) const { return m_values[size_t(i)].text; }
    const TSonucBilgisi *session(int i) const { return m_values[size_t(i)].session.get(); }

private:
    std::vector<Value> m_values;
};

// Returns the reply's result array: out parameters, then the result.
using Handler = QJsonArray (*)(CallContext &, const CallArgs &);

// Method name (without "TServerMethods1.") -> handler.
const QHash<QString, Handler> &handlerTable();

namespace handlers {
// Session and customer card
QJsonArray BuyukGetir(CallContext &, const CallArgs &);
QJsonArray MobilCariBilgisiGetir(CallContext &, const CallArgs &);
QJsonArray CariVadeGunGecmismiBul(CallContext &, const CallArgs &);
// Catalogue
QJsonArray StokAraGetir(CallContext &, const CallArgs &);
QJsonArray YenilerVer2(CallContext &, const CallArgs &);
QJsonArray KampanyaliVer2(CallContext &, const CallArgs &);
QJsonArray ResimVer5(CallContext &, const CallArgs &);
// Basket
QJsonArray SepetVer2(CallContext &, const CallArgs &);
QJsonArray SepetEkle2(CallContext &, const CallArgs &);
QJsonArray SepetGuncelle2(CallContext &, const CallArgs &);
QJsonArray SepetSecimGuncelle(CallContext &, const CallArgs &);
QJsonArray SepetSatirSil(CallContext &, const CallArgs &);
QJsonArray SepetHepsiniSil(CallContext &, const CallArgs &);
// Order
QJsonArray TeslimVer(CallContext &, const CallArgs &);
QJsonArray KargoVer(CallContext &, const CallArgs &);
QJsonArray KargolarVer(CallContext &, const CallArgs &);
QJsonArray SiparisKaydet(CallContext &, const CallArgs &);
// Main-window content
QJsonArray SepetSayisi(CallContext &, const CallArgs &);
QJsonArray KayanYaziGetir(CallContext &, const CallArgs &);
QJsonArray AcilisReklamAdet(CallContext &, const CallArgs &);
QJsonArray AcilisEkranlarVer2(CallContext &, const CallArgs &);
} // namespace handlers
