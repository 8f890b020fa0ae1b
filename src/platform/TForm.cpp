#include "TForm.h"

#include "ErrorBox.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace dorvale::platform {

namespace {
QList<QObject*>& registry()
{
    static QList<QObject*> objects;
    return objects;
}
} // namespace

namespace {
QWidget*& mainFormSlot()
{
    static QWidget* form = nullptr;
    return form;
}
} // namespace

void Application::setMainForm(QWidget* form)
{
    mainFormSlot() = form;
}
QWidget* Application::mainForm()
{
    return mainFormSlot();
}

const QList<QObject*>& FormRegistry::all()
{
    return registry();
}
void FormRegistry::add(QObject* object)
{
    registry().append(object);
}
void FormRegistry::remove(QObject* object)
{
    registry().removeAll(object);
}

TForm::TForm(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    FormRegistry::add(this);
}

TForm::~TForm()
{
    FormRegistry::remove(this);
}

int TForm::showModal()
{
    return exec();
}

void TForm::closeWith(int result)
{
    setResult(result);
    close();
}

void TForm::done(int result)
{
    closeWith(result);
}

void TForm::centreOnScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(frame.topLeft());
}

void TForm::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    guarded([&] { canClose = formCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    guarded([&] { formClose(); });
    event->accept();
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled())
            cancelButton_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace dorvale::platform
