#include "AboutUnit.h"

namespace dorvale {

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm()
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Quillon"));
}

} // namespace dorvale
