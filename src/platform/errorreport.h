#pragma once

// The application's default error handler.
//
// Qt does not carry exceptions through its event loop, so every event handler
// of the game is entered through guarded(): an error thrown inside stops that
// handler at the point of failure, its message is shown in a message box and
// the game goes on. Tests replace the message box with a sink that records the
// message.

#include <QString>

#include <functional>
#include <stdexcept>
#include <utility>

namespace platform {

// Raises an error that the guard reports with exactly this text.
[[noreturn]] void raise(const QString& message);

// Shows the message to the player (or hands it to the installed sink).
void reportError(const QString& message);

using ErrorSink = std::function<void(const QString&)>;
// Installs a sink instead of the message box; an empty sink restores the box.
// Returns the previous sink.
ErrorSink setErrorSink(ErrorSink sink);

// Runs f; an escaping exception is reported and swallowed. Returns whether f
// ran to its end.
template <class F>
bool guarded(F&& f) noexcept
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (const std::exception& e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

// Wraps a member function as a guarded slot: connect(button, &QPushButton::clicked,
// this, guard(this, &TGame::Exit1Click)).
template <class Obj, class... Args>
auto guard(Obj* object, void (Obj::*handler)(Args...))
{
    return [object, handler](Args... args) { guarded([&] { (object->*handler)(args...); }); };
}

} // namespace platform
