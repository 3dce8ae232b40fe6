#pragma once

#include <QString>
#include <exception>
#include <functional>

// The application's one dialog: the error box that shows what escaped a handler.
namespace ErrorBox {

inline const QString ApplicationTitle =
    QStringLiteral("Tunewright/Tester for Corvan (RFID Version)");

// Shows message (with the full-stop rule applied) under the application title.
void show(const QString& message);

// The message with a full stop appended when its last character sorts after '.'.
QString withFullStop(const QString& message);

// Replaces the message box, for tests; an empty reporter restores it.
using Reporter = std::function<void(const QString& message)>;
void setReporter(Reporter reporter);

// Shows the current exception, if it should be shown; for use in a catch (...) block.
void showCurrentException();

// Runs handler, showing whatever escapes it; the rest of the handler is skipped.
template <typename Handler> void guarded(Handler&& handler)
{
    try {
        handler();
    } catch (...) {
        showCurrentException();
    }
}

} // namespace ErrorBox

// Thrown to abandon a handler without a message.
struct SilentAbort : std::exception {};
