// Grading: the grade command and the score computed from the answer sheet.

#include "exam/AnswerSheet.h"
#include "exam/TestUnit.h"
#include "platform/MessageBox.h"

#include <QPushButton>

namespace dorvale {

void TTestForm::GradeButtonClick()
{
    if (FMode == 3) {
        ShowScoreReport();
        return;
    }
    if (FMode == 1 &&
        platform::MessageBox::confirm(
            QStringLiteral("This will end your practice exam.\nAre you sure to end this exam?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok)
        ShowScoreReport();
}

void TTestForm::ShowScoreReport() {}
void TTestForm::FillTotalScore() {}
void TTestForm::FillSectionScores() {}

} // namespace dorvale
