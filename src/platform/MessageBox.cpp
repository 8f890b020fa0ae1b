#include "MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>

namespace dorvale::platform {

namespace {

struct TestState {
    bool on = false;
    QList<QMessageBox::StandardButton> answers;
    QList<MessageBox::Request> requests;
    std::function<void(const MessageBox::Request&)> hook;
};

TestState& testState()
{
    static TestState state;
    return state;
}

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// A message box that knows whether its close box ended it.
class ClosableBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool closedByBox = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        closedByBox = true;
        QMessageBox::closeEvent(event);
    }
};

QString buttonText(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return QStringLiteral("OK");
    case QMessageBox::Cancel:
        return QStringLiteral("Cancel");
    case QMessageBox::Yes:
        return QStringLiteral("&Yes");
    case QMessageBox::No:
        return QStringLiteral("&No");
    default:
        return QStringLiteral("OK");
    }
}

} // namespace

QString MessageBox::captionOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
        return QApplication::applicationName();
    case MessageKind::Confirmation:
        return QStringLiteral("Confirm");
    case MessageKind::Warning:
        return QStringLiteral("Warning");
    case MessageKind::Information:
        return QStringLiteral("Information");
    }
    return {};
}

QMessageBox::StandardButton MessageBox::ask(MessageKind kind, const QString& caption,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton,
                                            QMessageBox::StandardButton escapeButton)
{
    TestState& state = testState();
    if (state.on || !state.answers.isEmpty()) {
        const Request request{kind, caption, text, buttons, defaultButton};
        state.requests.append(request);
        if (state.hook)
            state.hook(request);
        if (!state.answers.isEmpty())
            return state.answers.takeFirst();
        return defaultButton;
    }

    QMessageBox box(iconOf(kind), caption, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(escapeButton);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return escapeButton;
    return box.standardButton(clicked);
}

QMessageBox::StandardButton MessageBox::askInOrder(MessageKind kind, const QString& caption,
                                                   const QString& text,
                                                   const QList<QMessageBox::StandardButton>& order,
                                                   QMessageBox::StandardButton defaultButton,
                                                   QMessageBox::StandardButton escapeButton,
                                                   QMessageBox::StandardButton closeAnswer)
{
    TestState& state = testState();
    if (state.on || !state.answers.isEmpty()) {
        QMessageBox::StandardButtons buttons;
        for (const auto button : order)
            buttons |= button;
        const Request request{kind, caption, text, buttons, defaultButton};
        state.requests.append(request);
        if (state.hook)
            state.hook(request);
        const auto answer = state.answers.isEmpty() ? defaultButton : state.answers.takeFirst();
        return answer == QMessageBox::NoButton ? closeAnswer : answer;
    }

    ClosableBox box(iconOf(kind), caption, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    // Buttons of one role stand in the order they are added.
    QList<std::pair<QPushButton*, QMessageBox::StandardButton>> added;
    for (const auto button : order)
        added.append({box.addButton(buttonText(button), QMessageBox::ActionRole), button});
    for (const auto& [push, button] : std::as_const(added)) {
        if (button == defaultButton)
            box.setDefaultButton(push);
        if (button == escapeButton)
            box.setEscapeButton(push);
    }
    box.exec();
    if (box.closedByBox)
        return closeAnswer;
    for (const auto& [push, button] : std::as_const(added)) {
        if (box.clickedButton() == push)
            return button;
    }
    return closeAnswer;
}

QMessageBox::StandardButton MessageBox::confirm(const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    const auto escape =
        buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    return ask(MessageKind::Confirmation, captionOf(MessageKind::Confirmation), text, buttons,
               defaultButton, escape);
}

QMessageBox::StandardButton MessageBox::warn(const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    const auto escape =
        buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    return ask(MessageKind::Warning, captionOf(MessageKind::Warning), text, buttons, defaultButton,
               escape);
}

void MessageBox::inform(const QString& text)
{
    ask(MessageKind::Information, captionOf(MessageKind::Information), text, QMessageBox::Ok,
        QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::setTestMode(bool on)
{
    testState().on = on;
}

void MessageBox::setAskHook(std::function<void(const Request&)> hook)
{
    testState().hook = std::move(hook);
}
bool MessageBox::testMode()
{
    return testState().on;
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    testState().answers.append(answer);
}

const QList<MessageBox::Request>& MessageBox::requests()
{
    return testState().requests;
}

QString MessageBox::lastText()
{
    const auto& requests = testState().requests;
    return requests.isEmpty() ? QString() : requests.last().text;
}

void MessageBox::clear()
{
    testState().hook = nullptr;
    testState().answers.clear();
    testState().requests.clear();
}

} // namespace dorvale::platform
