#include "PictUnit1.h"

namespace dorvale {

TPict1Form* Pict1Form = nullptr;

TPict1Form::TPict1Form()
{
    setObjectName(QStringLiteral("Pict1Form"));
    setWindowTitle(QStringLiteral("Exhibit 1"));
}

} // namespace dorvale
