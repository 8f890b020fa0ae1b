#include "TURLLabel.h"

#include "Colours.h"

#include "Processes.h"

#include <QMouseEvent>
#include <QUrl>

namespace dorvale::platform {

TURLLabel::TURLLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    hiFont_ = font();
    hiFont_.setUnderline(true);
}

void TURLLabel::setHiFont(const QFont& font, const QColor& color)
{
    hiFont_ = font;
    hiColor_ = color;
}

QColor TURLLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void TURLLabel::setTextColor(const QColor& color)
{
    setTextColour(this, color);
}

void TURLLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    if (highlighted_)
        return;
    keptFont_ = font();
    keptColor_ = textColor();
    highlighted_ = true;
    setFont(hiFont_);
    setTextColor(hiColor_);
    update();
}

void TURLLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (!highlighted_)
        return;
    highlighted_ = false;
    setFont(keptFont_);
    setTextColor(keptColor_);
    update();
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Processes::openUrl(QUrl(url_));
}

} // namespace dorvale::platform
