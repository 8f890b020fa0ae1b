#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TPict1Form : public platform::TForm {
    Q_OBJECT

public:
    TPict1Form();
};

extern TPict1Form* Pict1Form;

} // namespace dorvale
