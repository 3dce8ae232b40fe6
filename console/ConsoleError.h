#pragma once

#include <QString>
#include <stdexcept>

// An error a handler raises for the user to see in the application's error box.
class ConsoleError : public std::runtime_error {
public:
    explicit ConsoleError(const QString& message) : std::runtime_error(message.toStdString()) {}
    explicit ConsoleError(const char* message) : std::runtime_error(message) {}

    QString message() const { return QString::fromStdString(what()); }
};
