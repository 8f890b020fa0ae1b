#pragma once

#include "platform/TForm.h"

namespace dorvale {

class TNoteForm : public platform::TForm {
    Q_OBJECT

public:
    TNoteForm();
};

extern TNoteForm* NoteForm;

} // namespace dorvale
