#include "dispatcher.h"

#include "database.h"

#include <QJsonArray>
#include <baglantiu.h>
#include <methods.h>

namespace {

const QLatin1String kPrefix("TServerMethods1.");

QString typeName(ParamType t)
{
    switch (t) {
    case ParamType::Integer: return QStringLiteral("Integer");
    case ParamType::Double: return QStringLiteral("Double");
    case ParamType::Boolean: return QStringLiteral("Boolean");
    case ParamType::String: return QStringLiteral("string");
    case ParamType::Session: return QStringLiteral("TSonucBilgisi");
    default: return QStringLiteral("?");
    }
}

CallArgs readArgs(const MethodSignature &sig, const QJsonArray &params)
{
    if (params.size() != qsizetype(sig.inputs.size()))
        throw CallError(QStringLiteral("%1: parametre sayısı yanlış (beklenen %2, gelen %3)")
                            .arg(sig.name).arg(sig.inputs.size()).arg(params.size()));
    std::vector<CallArgs::Value> values(sig.inputs.size());
    ObjectReader objects; // references resolve within this one frame
    for (size_t i = 0; i < sig.inputs.size(); ++i) {
        const QJsonValue v = params.at(qsizetype(i));
        CallArgs::Value &out = values[i];
        bool ok = false;
        QString why;
        switch (sig.inputs[i]) {
        case ParamType::Integer: ok = wire::readInt32(v, &out.integer); break;
        case ParamType::Double: ok = wire::readDouble(v, &out.number); break;
        case ParamType::Boolean: ok = wire::readBool(v, &out.flag); break;
        case ParamType::String: ok = wire::readString(v, &out.text); break;
        case ParamType::Session: {
            std::unique_ptr<TSonucBilgisi> s;
            ok = objects.read(v, &s, &why);
            out.session = std::move(s);
            break;
        }
        default: break;
        }
        if (!ok) {
            const QString name = i < sig.paramNames.size() ? sig.paramNames[i] : QString::number(i);
            throw CallError(QStringLiteral("%1: %2 parametresi %3 olmalı%4")
                                .arg(sig.name, name, typeName(sig.inputs[i]),
                                     why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
        }
    }
    return CallArgs(std::move(values));
}

QJsonObject errorReply(const QJsonValue &id, const QString &text)
{
    return QJsonObject{{"id", id}, {"error", text}};
}

} // namespace

QJsonObject answerCall(CallContext &ctx, const QJsonValue &id, const QString &call, const QJsonValue &params)
{
    const MethodSignature *sig = call.startsWith(kPrefix) ? findMethod(call) : nullptr;
    if (!sig)
        return errorReply(id, QStringLiteral("Bilinmeyen yöntem: %1").arg(call));
    if (!params.isArray() && !params.isUndefined())
        return errorReply(id, QStringLiteral("%1: parametreler dizi olarak gönderilmeli").arg(sig->name));
    const auto handler = handlerTable().constFind(sig->name);
    try {
        const CallArgs args = readArgs(*sig, params.toArray());
        if (handler == handlerTable().constEnd())
            return errorReply(id, QStringLiteral("Bu sunucuda henüz desteklenmiyor: %1").arg(sig->name));
        const QJsonArray result = (*handler)(ctx, args);
        return QJsonObject{{"id", id}, {"result", result}};
    } catch (const CallError &e) {
        return errorReply(id, e.text());
    } catch (const std::exception &e) {
        return errorReply(id, QStringLiteral("Sunucu hatası: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}
