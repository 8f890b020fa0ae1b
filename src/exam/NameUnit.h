#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TNameForm : public platform::TForm {
    Q_OBJECT

public:
    TNameForm();
};

extern TNameForm* NameForm;

} // namespace dorvale
