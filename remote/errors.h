#pragma once
// Errors of the remote layer. They stay on the thread that raised them: the
// call frame and the background-load pattern turn them into text.

#include <QString>
#include <stdexcept>

class ZerdaError : public std::runtime_error
{
public:
    explicit ZerdaError(const QString &message, const char *className = "Exception")
        : std::runtime_error(message.toStdString()), m_message(message), m_className(className) {}
    const QString &message() const { return m_message; }
    // The error's kind, as the error report names it ("EConvertError: ...").
    const char *className() const { return m_className; }

private:
    QString m_message;
    const char *m_className;
};

// Opening or talking to the server failed (refused, time-out, dropped).
class ConnectionError : public ZerdaError
{
public:
    explicit ConnectionError(const QString &m) : ZerdaError(m, "EIdSocketError") {}
};

// The server answered the call with an error text.
class RemoteError : public ZerdaError
{
public:
    explicit RemoteError(const QString &m) : ZerdaError(m, "TDBXError") {}
};

// A value could not be read as what it should be.
class ConversionError : public ZerdaError
{
public:
    explicit ConversionError(const QString &m) : ZerdaError(m, "EConvertError") {}
};
