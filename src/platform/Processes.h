#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace dorvale::platform {

// Starting programs and opening addresses, behind hooks that tests replace.
struct Processes {
    // Starts program without arguments as a process of its own that is not waited for.
    // Returns 0, or the system's error number when it could not be started.
    static int startDetached(const QString& program);
    // Opens an address with the desktop's handler; the outcome is not reported.
    static void openUrl(const QUrl& url);

    static std::function<int(const QString&)> startHook;
    static std::function<void(const QUrl&)> openUrlHook;
};

// Where the default calculator is looked for, and which one: the first of the usual desktop
// calculators found on PATH, otherwise a usual place.
QString calculatorDirectory();
QString calculatorProgramName();

} // namespace dorvale::platform
