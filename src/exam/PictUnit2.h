#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TPict2Form : public platform::TForm {
    Q_OBJECT

public:
    TPict2Form();
};

extern TPict2Form* Pict2Form;

} // namespace dorvale
