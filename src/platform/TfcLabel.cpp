#include "TfcLabel.h"

#include "Colours.h"

#include <QPainter>
#include <QPainterPath>

namespace dorvale::platform {

TfcLabel::TfcLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void TfcLabel::setTextColor(const QColor& color)
{
    setTextColour(this, color);
}

QColor TfcLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void TfcLabel::setOutlined(bool outlined, const QColor& outlineColor)
{
    outlined_ = outlined;
    outlineColor_ = outlineColor;
    updateGeometry();
    update();
}

void TfcLabel::setShadow(int offset, const QColor& shadowColor)
{
    shadow_ = offset;
    shadowColor_ = shadowColor;
    updateGeometry();
    update();
}

QSize TfcLabel::sizeHint() const
{
    const int extra = shadow_ + (outlined_ ? 2 : 0);
    return QLabel::sizeHint() + QSize(extra, extra);
}

QSize TfcLabel::minimumSizeHint() const
{
    const int extra = shadow_ + (outlined_ ? 2 : 0);
    return QLabel::minimumSizeHint() + QSize(extra, extra);
}

void TfcLabel::paintEvent(QPaintEvent* event)
{
    if (!outlined_ && shadow_ == 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    const QFontMetrics fm(font());
    const QStringList lines = text().split(QLatin1Char('\n'));
    const int extra = shadow_ + (outlined_ ? 2 : 0);
    const QRect area =
        contentsRect().adjusted(outlined_ ? 1 : 0, outlined_ ? 1 : 0, -extra, -extra);
    const int blockHeight = fm.height() * int(lines.size());
    int y = area.top();
    if (alignment() & Qt::AlignVCenter)
        y = area.top() + (area.height() - blockHeight) / 2;
    else if (alignment() & Qt::AlignBottom)
        y = area.bottom() - blockHeight + 1;

    for (const QString& line : lines) {
        const int w = fm.horizontalAdvance(line);
        int x = area.left();
        if (alignment() & Qt::AlignHCenter)
            x = area.left() + (area.width() - w) / 2;
        else if (alignment() & Qt::AlignRight)
            x = area.right() - w + 1;
        const QPointF baseline(x, y + fm.ascent());
        QPainterPath path;
        path.addText(baseline, font(), line);
        if (shadow_ > 0)
            p.fillPath(path.translated(shadow_, shadow_), shadowColor_);
        if (outlined_)
            p.strokePath(path,
                         QPen(outlineColor_, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, textColor());
        y += fm.height();
    }
}

} // namespace dorvale::platform
