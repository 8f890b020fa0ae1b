#include "NoteUnit.h"

namespace dorvale {

TNoteForm* NoteForm = nullptr;

TNoteForm::TNoteForm()
{
    setObjectName(QStringLiteral("NoteForm"));
    setWindowTitle(QStringLiteral("Quillon"));
}

} // namespace dorvale
