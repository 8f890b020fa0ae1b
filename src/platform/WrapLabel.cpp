#include "WrapLabel.h"

#include "Colours.h"

#include <QEvent>
#include <QMouseEvent>

namespace dorvale::platform {

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
}

WrapLabel::WrapLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void WrapLabel::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        fit();
}

QSize WrapLabel::measure(int width) const
{
    if (width == measuredWidth_ && font() == measuredFont_ && text() == measuredText_)
        return measured_;
    const QFontMetrics metrics(font());
    QSize size(0, metrics.height());
    if (!text().isEmpty()) {
        const QRect box =
            metrics.boundingRect(QRect(0, 0, qMax(1, width), 1 << 29), kTextFlags, text());
        size = QSize(box.width(), qMax(box.height(), metrics.height()));
    }
    measuredText_ = text();
    measuredFont_ = font();
    measuredWidth_ = width;
    measured_ = size;
    return size;
}

void WrapLabel::setBackground(const QColor& color)
{
    fillBackground(this, color);
}

QColor WrapLabel::background() const
{
    return palette().color(QPalette::Window);
}

void WrapLabel::setLabelText(const QString& text)
{
    setText(text);
    if (autoSize_)
        fit();
}

void WrapLabel::fit()
{
    const QSize needed = measure(width());
    resize(needed.width(), needed.height());
}

void WrapLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void WrapLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // A new font measures the text again at the current width.
    if (event->type() == QEvent::FontChange && autoSize_)
        fit();
}

} // namespace dorvale::platform
