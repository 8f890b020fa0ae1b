#pragma once

#include <QIcon>
#include <QList>

namespace dorvale {

// The sampler's pictures, 16 x 16 pixels, drawn rather than shipped: the image list (0 an item
// of the tree, 1 add, 2 edit, 3 delete) and the glyphs of the Save and Cancel buttons.
QList<QIcon> samplerImageList();
QIcon saveGlyph();
QIcon cancelGlyph();

} // namespace dorvale
