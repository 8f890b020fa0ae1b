#include "TfcShapeBtn.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

namespace dorvale::platform {

TfcShapeBtn::TfcShapeBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void TfcShapeBtn::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void TfcShapeBtn::setRoundRectBias(int bias)
{
    bias_ = bias;
    update();
}

bool TfcShapeBtn::hitButton(const QPoint& pos) const
{
    QPainterPath shape;
    const qreal r = bias_ / 2.0;
    shape.addRoundedRect(QRectF(rect()), r, r);
    return shape.contains(QPointF(pos));
}

void TfcShapeBtn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown() || isChecked();
    const bool hot = underMouse() && isEnabled();
    const QColor base = isEnabled() ? color_ : QColor(150, 150, 150);
    const qreal r = bias_ / 2.0;
    const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    // Highlight shading: light from above, deeper towards the bottom; inverted while pressed.
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    const QColor light = base.lighter(hot ? 190 : 165);
    const QColor deep = base.darker(down ? 105 : 125);
    shade.setColorAt(0.0, down ? deep : light);
    shade.setColorAt(0.45, base);
    shade.setColorAt(1.0, down ? light : deep);
    p.setPen(QPen(base.darker(170), 1.0));
    p.setBrush(shade);
    p.drawRoundedRect(body, r, r);

    // A soft gloss on the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(body.adjusted(2, 2, -2, -body.height() / 2), r - 1, r - 1);
    QColor shine(255, 255, 255, down ? 20 : 60);
    p.fillPath(gloss, shine);

    QRect textRect = rect();
    if (down)
        textRect.translate(1, 1);
    p.setFont(font());
    p.setPen(isEnabled() ? QColor(Qt::white) : QColor(225, 225, 225));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QPen focusPen(QColor(255, 255, 255, 200), 1.0, Qt::DotLine);
        p.setPen(focusPen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(3, 3, -3, -3), r - 2, r - 2);
    }
}

} // namespace dorvale::platform
