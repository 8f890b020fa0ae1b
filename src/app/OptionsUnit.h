#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TOptionsForm : public platform::TForm {
    Q_OBJECT

public:
    TOptionsForm();
};

extern TOptionsForm* OptionsForm;

} // namespace dorvale
