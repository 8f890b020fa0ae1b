#include "ErrorBox.h"

#include "MessageBox.h"
#include "data/Error.h"

#include <QApplication>

namespace dorvale::platform {

namespace {
QString& lastMessage()
{
    static QString message;
    return message;
}
} // namespace

void ErrorBox::show(const QString& message)
{
    lastMessage() = message;
    MessageBox::ask(MessageKind::Error, QApplication::applicationName(), message, QMessageBox::Ok,
                    QMessageBox::Ok, QMessageBox::Ok);
}

QString ErrorBox::last()
{
    return lastMessage();
}
void ErrorBox::clearLast()
{
    lastMessage().clear();
}

void reportCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const Error& e) {
            ErrorBox::show(e.message());
        } catch (const std::exception& e) {
            ErrorBox::show(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            ErrorBox::show(QStringLiteral("An unexpected error occurred."));
        }
    } catch (...) {
        // Showing the box itself failed; there is nowhere left to report it.
    }
}

} // namespace dorvale::platform
