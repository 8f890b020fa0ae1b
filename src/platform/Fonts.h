#pragma once

#include <QFont>

namespace dorvale::platform {

// A font asked for by the name the windows were designed with, at a size in pixels.
inline QFont pixelFont(const char* family, int pixels, bool bold = false, bool italic = false)
{
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace dorvale::platform
