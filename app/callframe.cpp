#include "callframe.h"

#include "errors.h"
#include "messages.h"

const char *const kConnectionFailedText = "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!";

bool OpenConnection(DSConnection &connection, int report)
{
    constexpr int kAttempts = 11;
    connection.Close();
    for (int failed = 0; failed < kAttempts;) {
        try {
            connection.Open();
            return true;
        } catch (const ConnectionError &e) {
            ShowPlainMessage(e.message());
            connection.Close();
            Seams::instance().sleepMs(500);
            ++failed;
        }
    }
    if (report == 1)
        ShowError(QString::fromUtf8(kConnectionFailedText));
    return false;
}

bool CallServer(DSConnection &connection, int report, const std::function<void(TServerMethods1Client &)> &fn)
{
    if (!OpenConnection(connection, report))
        return false;
    try {
        TServerMethods1Client proxy(&connection);
        fn(proxy);
    } catch (...) {
        connection.Close();
        throw;
    }
    connection.Close();
    return true;
}

bool CallServerOnClone(const DSConnection &main, int report, const std::function<void(TServerMethods1Client &)> &fn)
{
    const auto clone = main.CloneConnection();
    return CallServer(*clone, report, fn);
}
