#include "exam/TestUnit.h"

namespace dorvale {

void TTestForm::Button1Click() {}
void TTestForm::FillReviewRunning() {}
void TTestForm::FillReviewGraded() {}
void TTestForm::NoteButtonClick() {}
void TTestForm::Print1Click() {}

} // namespace dorvale
