#include "WrapLabel.h"

#include <QEvent>
#include <QMouseEvent>

namespace dorvale::platform {

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
}

WrapLabel::WrapLabel(QWidget* parent) : QLabel(parent)
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
    const QFontMetrics metrics(font());
    if (text().isEmpty())
        return {0, metrics.height()};
    const QRect box = metrics.boundingRect(QRect(0, 0, qMax(1, width), 1 << 29), kTextFlags, text());
    return {box.width(), qMax(box.height(), metrics.height())};
}

void WrapLabel::setBackground(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QColor WrapLabel::background() const { return palette().color(QPalette::Window); }

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
