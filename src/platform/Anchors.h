#pragma once

class QWidget;

namespace dorvale::platform {

// Keeps a child at the distance from its parent's right edge that it had in a parent of the
// designed width, however the parent is resized.
void anchorRight(QWidget* child, int designedParentWidth);

} // namespace dorvale::platform
