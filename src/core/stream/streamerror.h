#pragma once

#include <QString>

#include <exception>

// The one failure of the typed value stream. The message is the text the
// user sees ("Invalid property value", "Class TFoo not found", ...).
class StreamError : public std::exception
{
public:
    explicit StreamError(QString message);
    [[nodiscard]] const QString &message() const { return m_message; }
    [[nodiscard]] const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The stream's messages, word for word.
namespace StreamMessages {

inline QString invalidPropertyValue()
{
    return QStringLiteral("Invalid property value");
}
inline QString invalidStreamFormat()
{
    return QStringLiteral("Invalid stream format");
}
inline QString readError()
{
    return QStringLiteral("Stream read error");
}
inline QString writeError()
{
    return QStringLiteral("Stream write error");
}
inline QString propertyDoesNotExist()
{
    return QStringLiteral("Property does not exist");
}
inline QString invalidPropertyPath()
{
    return QStringLiteral("Invalid property path");
}
inline QString classNotFound(const QString &name)
{
    return QStringLiteral("Class %1 not found").arg(name);
}
inline QString duplicateName(const QString &name)
{
    return QStringLiteral("A component named %1 already exists").arg(name);
}
inline QString cannotCreateFile(const QString &name)
{
    return QStringLiteral("Cannot create file %1").arg(name);
}
inline QString cannotOpenFile(const QString &name)
{
    return QStringLiteral("Cannot open file %1").arg(name);
}

} // namespace StreamMessages
