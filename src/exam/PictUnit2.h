#pragma once

#include "PictUnit.h"

namespace dorvale {

// Exhibit 2: a sizeable border, at its designed place on the screen.
class TPict2Form : public TPictForm {
    Q_OBJECT

public:
    TPict2Form();

protected:
    void placeWindow() override;
};

extern TPict2Form* Pict2Form;

} // namespace dorvale
