#pragma once

#include "PictUnit.h"

namespace dorvale {

// Exhibit 1: a fixed dialog border, centred on the screen.
class TPict1Form : public TPictForm {
    Q_OBJECT

public:
    TPict1Form();

protected:
    void placeWindow() override;
};

extern TPict1Form* Pict1Form;

} // namespace dorvale
