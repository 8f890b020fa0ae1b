#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TReviewForm : public platform::TForm {
    Q_OBJECT

public:
    TReviewForm();
};

extern TReviewForm* ReviewForm;

} // namespace dorvale
