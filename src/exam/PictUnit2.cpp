#include "PictUnit2.h"

namespace dorvale {

TPict2Form* Pict2Form = nullptr;

TPict2Form::TPict2Form()
    : TPictForm(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Pict2Form"));
    setWindowTitle(QStringLiteral("Exhibit 2"));
}

void TPict2Form::placeWindow()
{
    move(457, 101);
}

} // namespace dorvale
