#pragma once

#include <QColor>
#include <QFontDialog>

class QComboBox;

namespace dorvale::platform {

// The font dialog with effects: Qt's own dialog, with the colour choice of the desktop the
// windows were designed on added to its effects (sixteen colours, and the current one when it
// is none of them).
class TFontDialog : public QFontDialog {
    Q_OBJECT

public:
    explicit TFontDialog(QWidget* parent = nullptr);

    void setCurrentColor(const QColor& color);
    QColor currentColor() const;

    QComboBox* colorBox() const { return colorBox_; }

private:
    void showColorInSample();

    QComboBox* colorBox_ = nullptr;
};

} // namespace dorvale::platform
