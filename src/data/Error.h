#pragma once

#include <QString>
#include <stdexcept>

namespace dorvale {

// A failure the user is told about: the message is shown as it stands in the standard error box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message)
    {}
    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};

} // namespace dorvale
