#pragma once

#include <QToolButton>

namespace dorvale::platform {

// A flat button that starts the program named by its command line. Setting the command line
// checks that it names an executable file and takes the program's icon as the button's picture.
class TddgRunButton : public QToolButton {
    Q_OBJECT

public:
    explicit TddgRunButton(QWidget* parent = nullptr);

    // Throws dorvale::Error with the user-facing message when the path is refused; the button
    // then keeps its previous program.
    void setCommandLine(const QString& path);
    const QString& commandLine() const { return commandLine_; }

    // Starts the program; throws when it cannot be started.
    void run();

private:
    QString commandLine_;
};

// The icon a desktop shows for a program: from its desktop entry, its icon theme, or ours.
QIcon programIcon(const QString& path);

} // namespace dorvale::platform
