#pragma once
// A zerda-server process on a temporary database and free ports, for tests.

#include <QProcess>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>

class TestServer
{
public:
    explicit TestServer(QStringList extraArgs = {}); // adds --items 300 unless given
    ~TestServer();                 // stops the process, removes the temp dir
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    // Serve an existing database instead of a new temporary one (benchmarks).
    void useDatabase(const QString &path) { m_database = path; }
    bool start();                  // waits (<= 15 s) for the listening line
    quint16 port() const { return m_port; }
    quint16 httpPort() const { return m_httpPort; }
    QString dbPath() const;
    bool registerWorkstation(const QString &id, const QString &userName); // --register on the same db
    QSqlDatabase db();             // a connection to the server's database for checks
    void kill();                   // SIGKILL, for crash-consistency tests

private:
    QStringList m_args;
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_connectionName;
    QString m_database;
    quint16 m_port = 0;
    quint16 m_httpPort = 0;
};
