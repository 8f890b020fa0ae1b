#pragma once

#include <QDialog>
#include <QList>

class QAbstractButton;

namespace dorvale::platform {

// Every window and data module of the program, in the order they were created.
class FormRegistry {
public:
    static const QList<QObject*>& all();
    static void add(QObject* object);
    static void remove(QObject* object);
};

// The application's main window: closing it ends the run; windows that hide it show it again.
class Application {
public:
    static void setMainForm(QWidget* form);
    static QWidget* mainForm();
};

// Base of the program's windows. Windows are created once and shown again and again, modally
// through showModal(). Closing by any means (close box, Alt+F4, a button, done()) runs
// formCloseQuery() and, when it agrees, formClose(). Escape does nothing unless a cancel button
// is set; Enter presses the default button.
class TForm : public QDialog {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~TForm() override;

    int showModal();
    // Ends the window with a result, through the close query like any other closing.
    void closeWith(int result);
    void done(int result) override;

    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    // Centres the window on the screen it is on, as it is placed at its first showing.
    void centreOnScreen();

protected:
    // Asked before the window closes; false keeps it open.
    virtual bool formCloseQuery() { return true; }
    // Run when the window closes.
    virtual void formClose() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAbstractButton* cancelButton_ = nullptr;
};

} // namespace dorvale::platform
