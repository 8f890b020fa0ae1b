#include "GuardedApplication.h"

#include "ErrorBox.h"

namespace dorvale::platform {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

} // namespace dorvale::platform
