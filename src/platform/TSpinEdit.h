#pragma once

#include <QSpinBox>

namespace dorvale::platform {

// A number field that lets the user type any number: its value is the text read as a decimal
// integer, a text that is not a number reads as the minimum, and a number outside the range is
// brought to the nearer bound.
class TSpinEdit : public QSpinBox {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    // The value of the text as it stands now, brought into the range.
    int currentValue() const;
    // Enabled: the system's window colours; disabled: silver with grey digits.
    void setFieldEnabled(bool enabled);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
};

} // namespace dorvale::platform
