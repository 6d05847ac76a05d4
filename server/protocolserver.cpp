#include "protocolserver.h"

#include "clientsession.h"

ProtocolServer::ProtocolServer(const QString &dbPath, Pictures &pictures, bool verbose, QObject *parent)
    : QTcpServer(parent), m_dbPath(dbPath), m_pictures(pictures), m_verbose(verbose)
{
}

void ProtocolServer::incomingConnection(qintptr socketDescriptor)
{
    auto *session = new ClientSession(socketDescriptor, m_dbPath, m_pictures, m_verbose);
    connect(session, &QThread::finished, session, &QObject::deleteLater);
    session->start();
}
