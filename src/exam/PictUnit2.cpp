#include "PictUnit2.h"

namespace dorvale {

TPict2Form* Pict2Form = nullptr;

TPict2Form::TPict2Form()
{
    setObjectName(QStringLiteral("Pict2Form"));
    setWindowTitle(QStringLiteral("Exhibit 2"));
}

} // namespace dorvale
