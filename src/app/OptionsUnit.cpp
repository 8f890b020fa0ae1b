#include "OptionsUnit.h"

namespace dorvale {

TOptionsForm* OptionsForm = nullptr;

TOptionsForm::TOptionsForm()
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Options"));
}

} // namespace dorvale
