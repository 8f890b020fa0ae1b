#include "PictUnit1.h"

#include <QLabel>

namespace dorvale {

TPict1Form* Pict1Form = nullptr;

TPict1Form::TPict1Form()
    : TPictForm(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Pict1Form"));
    setWindowTitle(QStringLiteral("Exhibit 1"));
}

void TPict1Form::placeWindow()
{
    setFixedSize(Image1->size());
    centreOnScreen();
}

} // namespace dorvale
