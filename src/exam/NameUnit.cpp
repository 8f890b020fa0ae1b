#include "NameUnit.h"

namespace dorvale {

TNameForm* NameForm = nullptr;

TNameForm::TNameForm()
{
    setObjectName(QStringLiteral("NameForm"));
    setWindowTitle(QStringLiteral("Candidate"));
}

} // namespace dorvale
