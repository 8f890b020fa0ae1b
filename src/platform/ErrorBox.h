#pragma once

#include <QString>

#include <exception>
#include <utility>

namespace dorvale::platform {

// The application's standard error box: caption "Dorvale 4.0", the error's message as text, one
// OK button; the program goes on.
class ErrorBox {
public:
    static void show(const QString& message);
    // What the last box said (also in test mode); cleared by clearLast().
    static QString last();
    static void clearLast();
};

// Reports the exception in flight in the error box.
void reportCurrentException() noexcept;

// Runs fn and reports anything it throws, so no exception unwinds through Qt.
template <typename Fn> void guarded(Fn&& fn) noexcept
{
    try {
        std::forward<Fn>(fn)();
    } catch (...) {
        reportCurrentException();
    }
}

// A slot for connect(): runs obj->method() inside guarded(). The signal's arguments are dropped.
template <typename Obj> auto guard(Obj* obj, void (Obj::*method)())
{
    return [obj, method] { guarded([&] { (obj->*method)(); }); };
}

} // namespace dorvale::platform
