#include "testserver.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QRegularExpression>

namespace {
QAtomicInt g_connections;
}

TestServer::TestServer(QStringList extraArgs) : m_args(std::move(extraArgs))
{
    if (!m_args.contains(QStringLiteral("--items")))
        m_args << QStringLiteral("--items") << QStringLiteral("300");
    // Server diagnostics show up in the test's own output.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

TestServer::~TestServer()
{
    if (!m_connectionName.isEmpty()) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

QString TestServer::dbPath() const
{
    return m_database.isEmpty() ? m_dir.filePath(QStringLiteral("zerda-test.sqlite")) : m_database;
}

bool TestServer::start()
{
    if (!m_dir.isValid())
        return false;
    QStringList args{QStringLiteral("--db"), dbPath(), QStringLiteral("--address"), QStringLiteral("127.0.0.1"),
                     QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--http-port"), QStringLiteral("0")};
    args += m_args;
    m_process.start(QStringLiteral(ZERDA_SERVER_BIN), args);
    if (!m_process.waitForStarted(5000))
        return false;
    static const QRegularExpression line(QStringLiteral("^zerda-server listening on \\S+ port (\\d+) http (\\d+)$"));
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        while (m_process.canReadLine()) {
            const QString text = QString::fromUtf8(m_process.readLine()).trimmed();
            const QRegularExpressionMatch m = line.match(text);
            if (m.hasMatch()) {
                m_port = quint16(m.captured(1).toUInt());
                m_httpPort = quint16(m.captured(2).toUInt());
                return true;
            }
        }
        if (m_process.state() == QProcess::NotRunning)
            return false;
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return false;
}

bool TestServer::registerWorkstation(const QString &id, const QString &userName)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(ZERDA_SERVER_BIN),
            {QStringLiteral("--db"), dbPath(), QStringLiteral("--register"), id, userName});
    return p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QSqlDatabase TestServer::db()
{
    if (m_connectionName.isEmpty()) {
        m_connectionName = QStringLiteral("testserver-%1").arg(g_connections.fetchAndAddRelaxed(1));
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        d.setDatabaseName(dbPath());
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        d.open();
    }
    return QSqlDatabase::database(m_connectionName);
}

void TestServer::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}
