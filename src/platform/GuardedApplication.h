#pragma once

#include <QApplication>

namespace dorvale::platform {

// The application object. Handlers guard themselves; this is the last net, so that an error
// that escaped one is still reported in the error box and never unwinds through Qt's loop.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace dorvale::platform
