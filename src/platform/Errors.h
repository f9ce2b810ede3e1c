#pragma once

#include <QString>

#include <stdexcept>

namespace corvane {

// Base of every error this program raises: carries a message fit to show the user.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

// A file or folder could not be read or written.
class IoError : public Error
{
public:
    using Error::Error;
};

// A document is not well-formed XML.
class XmlError : public Error
{
public:
    using Error::Error;
};

} // namespace corvane
