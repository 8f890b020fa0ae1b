#include "Processes.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dorvale::platform {

std::function<int(const QString&)> Processes::startHook;
std::function<void(const QUrl&)> Processes::openUrlHook;

namespace {

// Forks twice, so the program is not our child and nothing waits on it; the grandchild reports
// a failed exec through a pipe that closes on a successful one.
int spawnDetached(const QString& program)
{
    const QByteArray path = QFile::encodeName(program);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return error;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            char* const argv[] = {const_cast<char*>(path.constData()), nullptr};
            ::execv(path.constData(), argv);
            const int error = errno;
            [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(report[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    int error = 0;
    const ssize_t got = ::read(report[0], &error, sizeof error);
    ::close(report[0]);
    if (got == ssize_t(sizeof error))
        return error;
    return 0;
}

const QStringList& knownCalculators()
{
    static const QStringList names = {QStringLiteral("gnome-calculator"),
                                      QStringLiteral("kcalc"),
                                      QStringLiteral("galculator"),
                                      QStringLiteral("mate-calc"),
                                      QStringLiteral("qalculate-gtk"),
                                      QStringLiteral("speedcrunch"),
                                      QStringLiteral("xcalc")};
    return names;
}

QString foundCalculator()
{
    for (const QString& name : knownCalculators()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace

int Processes::startDetached(const QString& program)
{
    return startHook ? startHook(program) : spawnDetached(program);
}

void Processes::openUrl(const QUrl& url)
{
    if (openUrlHook)
        openUrlHook(url);
    else
        QDesktopServices::openUrl(url);
}

QString calculatorDirectory()
{
    const QString found = foundCalculator();
    return found.isEmpty() ? QStringLiteral("/usr/bin") : QFileInfo(found).absolutePath();
}

QString calculatorProgramName()
{
    const QString found = foundCalculator();
    return found.isEmpty() ? knownCalculators().first() : QFileInfo(found).fileName();
}

} // namespace dorvale::platform
