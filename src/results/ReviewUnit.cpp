#include "ReviewUnit.h"

namespace dorvale {

TReviewForm* ReviewForm = nullptr;

TReviewForm::TReviewForm()
{
    setObjectName(QStringLiteral("ReviewForm"));
    setWindowTitle(QStringLiteral("Items Review"));
}

} // namespace dorvale
