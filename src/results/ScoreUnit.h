#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TScoreForm : public platform::TForm {
    Q_OBJECT

public:
    TScoreForm();
};

extern TScoreForm* ScoreForm;

} // namespace dorvale
