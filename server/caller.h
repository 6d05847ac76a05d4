#pragma once
// Who is calling: the session record a client sends is checked against the
// account it claims, so one customer cannot touch another's basket.

#include <QSqlDatabase>
#include <QString>

class TSonucBilgisi;

struct Caller {
    int user = 0;        // kullanici.sirano
    QString userName;
    int carino = 0;      // the customer worked for
    int type = 0;        // FMusteriTipi
    bool representative() const { return type == 1 || type == 2; }
};

// The account of the session (FSirano, FADI, FSIFRE must match an active
// account); its customer is FCARINO, which a customer's own account cannot
// change. Throws CallError when the session does not hold.
Caller resolveCaller(QSqlDatabase &d, const TSonucBilgisi *session);

// A customer number passed beside the session must be the caller's.
bool callerMayUse(const Caller &c, int carino);
