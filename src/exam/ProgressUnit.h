#pragma once

#include "platform/TForm.h"

class QProgressBar;

namespace dorvale {

// Shown, not modally, while an exam set is prepared.
class TProgressForm : public platform::TForm {
    Q_OBJECT

public:
    TProgressForm();
    QProgressBar* ProgressBar1 = nullptr;
};

extern TProgressForm* ProgressForm;

} // namespace dorvale
