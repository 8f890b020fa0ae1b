#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TAboutForm : public platform::TForm {
    Q_OBJECT

public:
    TAboutForm();
};

extern TAboutForm* AboutForm;

} // namespace dorvale
