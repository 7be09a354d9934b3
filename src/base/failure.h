#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: a message for the user that names what failed
// (the file, table or filter) and why. Every command lets it travel up to the error box.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
