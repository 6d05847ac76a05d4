// Prints this workstation's identifier, the one the login sends, so that it
// can be registered with the server for an account.
#include "identity.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray id = GetWorkstationId().toUtf8();
    std::printf("%s\n", id.constData());
    return id.isEmpty() ? 1 : 0;
}
