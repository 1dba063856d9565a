#pragma once

#include <QString>
#include <exception>

// An error that ends the current user action. Its message is shown to the
// user as it stands; whatever the action stored before stays stored.
class StepError : public std::exception
{
public:
    explicit StepError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
