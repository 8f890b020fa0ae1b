#include "ControlFont.h"

#include <QPalette>
#include <QVariant>

namespace dorvale::platform {

namespace {
// A number as it was set, kept in the control beside the font it describes.
constexpr char kColorAsSet[] = "dorvaleColorAsSet";
constexpr char kSizeAsSet[] = "dorvaleSizeAsSet";
constexpr char kFontOfSize[] = "dorvaleFontOfSize";
} // namespace

QColor ControlFont::colorOf(qint32 value)
{
    const auto v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 ControlFont::valueOf(const QColor& color)
{
    return qint32(quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16);
}

QColor ControlFont::color() const
{
    return control_->palette().color(QPalette::WindowText);
}

void ControlFont::assign(const QFont& font, const QColor& color)
{
    setFont(font);
    setColor(color);
}

void ControlFont::setFont(const QFont& font)
{
    QFont own = font;
    // Every property is the control's own, so a parent's font never shows through it.
    own.setResolveMask(QFont::AllPropertiesResolved);
    control_->setFont(own);
}

void ControlFont::setColor(const QColor& color)
{
    QPalette pal = control_->palette();
    // Disabled text keeps the style's grey, as a disabled control shows it.
    pal.setColor(QPalette::Active, QPalette::WindowText, color);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, color);
    control_->setPalette(pal);
    control_->setProperty(kColorAsSet, QVariant());
}

qint32 ControlFont::colorValue() const
{
    const QVariant asSet = control_->property(kColorAsSet);
    if (asSet.isValid() && colorOf(asSet.toInt()) == color())
        return asSet.toInt();
    return valueOf(color());
}

void ControlFont::setColorValue(qint32 value)
{
    setColor(colorOf(value));
    if (quint32(value) > 0xFFFFFF)
        control_->setProperty(kColorAsSet, value);
}

qint32 ControlFont::pointSize() const
{
    const QVariant asSet = control_->property(kSizeAsSet);
    if (asSet.isValid() && control_->property(kFontOfSize).value<QFont>() == font())
        return asSet.toInt();
    const QFont f = font();
    if (f.pointSizeF() > 0)
        return qRound(f.pointSizeF());
    return qRound(f.pixelSize() * 72.0 / control_->logicalDpiY());
}

void ControlFont::setPointSize(qint32 points)
{
    QFont f = font();
    if (points > 0)
        f.setPointSize(qMin(points, kMaxPoints));
    setFont(f);
    if (points > 0 && points <= kMaxPoints) {
        control_->setProperty(kSizeAsSet, QVariant());
        control_->setProperty(kFontOfSize, QVariant());
    } else {
        control_->setProperty(kSizeAsSet, points);
        control_->setProperty(kFontOfSize, font());
    }
}

} // namespace dorvale::platform
