#pragma once
// Checks a request against the method's signature and runs its handler.

#include "handlers.h"

#include <QJsonObject>
#include <QJsonValue>

// Answers one request whose frame is sound (numeric id, text call): a reply
// with "result", or with "error" for an unknown method, a wrong parameter
// count or type, or a failure inside the handler.
QJsonObject answerCall(CallContext &ctx, const QJsonValue &id, const QString &call, const QJsonValue &params);
