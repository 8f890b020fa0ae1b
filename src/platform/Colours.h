#pragma once

#include <QColor>
#include <QWidget>

namespace dorvale::platform {

// The button face colour of the desktop the windows were designed on.
inline const QColor kButtonFace{192, 192, 192};

// Paints a widget's background in colour (panels, bands, windows).
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

// The colour a label, check box or button writes its text in.
inline void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    widget->setPalette(pal);
}

} // namespace dorvale::platform
