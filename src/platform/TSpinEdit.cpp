#include "TSpinEdit.h"

#include <QLineEdit>

namespace dorvale::platform {

TSpinEdit::TSpinEdit(QWidget* parent)
    : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(false);
}

QValidator::State TSpinEdit::validate(QString& input, int&) const
{
    // Anything may be typed; the value is settled when it is read.
    Q_UNUSED(input);
    return QValidator::Acceptable;
}

int TSpinEdit::valueFromText(const QString& text) const
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok)
        return minimum();
    return int(qBound(qlonglong(minimum()), number, qlonglong(maximum())));
}

void TSpinEdit::fixup(QString& input) const
{
    input = textFromValue(valueFromText(input));
}

int TSpinEdit::currentValue() const
{
    return valueFromText(lineEdit()->text());
}

void TSpinEdit::setFieldEnabled(bool enabled)
{
    setEnabled(enabled);
    QPalette pal = palette();
    const QPalette system;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base,
                     enabled ? system.color(QPalette::Active, QPalette::Base)
                             : QColor(192, 192, 192));
        pal.setColor(group, QPalette::Text,
                     enabled ? system.color(QPalette::Active, QPalette::Text)
                             : QColor(128, 128, 128));
    }
    setPalette(pal);
}

} // namespace dorvale::platform
