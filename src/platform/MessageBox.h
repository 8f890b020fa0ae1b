#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

namespace dorvale::platform {

enum class MessageKind { Error, Confirmation, Warning, Information };

// Every question, warning and notice of the program goes through here, so tests can answer
// them: with answers queued (or test mode on) no window is shown, the request is recorded and the
// next queued answer is returned (the default button when none is queued).
class MessageBox {
public:
    struct Request {
        MessageKind kind;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    // Shows the box and returns the button that closed it. Escape answers escapeButton.
    static QMessageBox::StandardButton ask(MessageKind kind, const QString& caption,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           QMessageBox::StandardButton escapeButton);

    // Shows a box whose buttons stand in the given order rather than the desktop's, and tells a
    // click on its close box (answered closeAnswer) apart from the Escape key (escapeButton).
    // In test mode a queued QMessageBox::NoButton stands for the close box.
    static QMessageBox::StandardButton askInOrder(MessageKind kind, const QString& caption,
                                                  const QString& text,
                                                  const QList<QMessageBox::StandardButton>& order,
                                                  QMessageBox::StandardButton defaultButton,
                                                  QMessageBox::StandardButton escapeButton,
                                                  QMessageBox::StandardButton closeAnswer);

    // The caption a box of a kind carries when the program gives none of its own.
    static QString captionOf(MessageKind kind);

    // Convenience for the usual boxes: the caption follows the kind.
    static QMessageBox::StandardButton confirm(const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton);
    static QMessageBox::StandardButton warn(const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
    static void inform(const QString& text);

    // Test seam.
    static void setTestMode(bool on);
    static bool testMode();
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Runs on every box asked in test mode, before its answer is taken: what happens while a
    // real box is open (a tick of the count-down, say) happens there.
    static void setAskHook(std::function<void(const Request&)> hook);
    static const QList<Request>& requests();
    static QString lastText();
    static void clear();
};

} // namespace dorvale::platform
