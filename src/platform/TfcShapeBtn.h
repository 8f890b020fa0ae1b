#pragma once

#include <QColor>
#include <QPushButton>

namespace dorvale::platform {

// A rounded-rectangle push button with highlight shading and a white caption. It is a real
// QPushButton, so focus, the "&" accelerator and accessibility work as for any button.
class TfcShapeBtn : public QPushButton {
    Q_OBJECT

public:
    explicit TfcShapeBtn(const QString& caption, QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return color_; }
    // Width and height of the ellipse that rounds each corner.
    void setRoundRectBias(int bias);
    int roundRectBias() const { return bias_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QColor color_ = QColor(0, 0, 128);
    int bias_ = 15;
};

} // namespace dorvale::platform
