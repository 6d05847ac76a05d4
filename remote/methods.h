#pragma once
// Signatures of the server methods the client calls: one table shared by the
// proxy and the stand-in server, so both agree on names, order and types.

#include <QString>
#include <initializer_list>
#include <vector>

enum class ParamType {
    None, Integer, Int64, Double, Boolean, String,
    Session,      // baglantiu.TSonucBilgisi
    Object,       // a transfer object result (class in resultClass)
    Reader,       // TDBXReader: table
    DataPacket,   // OleVariant: client data packet
    Stream,       // TStream
};

struct MethodSignature {
    QString name;                  // without "TServerMethods1."
    std::vector<QString> paramNames;
    std::vector<ParamType> inputs; // in declaration order
    std::vector<ParamType> outs;   // out parameters, in declaration order
    ParamType result = ParamType::None;
    QString resultClass;           // qualified type for Object results
};

const std::vector<MethodSignature> &serverMethods();
const MethodSignature *findMethod(const QString &commandText); // "TServerMethods1.X" or "X"
QString commandText(const QString &method);
