// The test window's items review: the list filled from the answer sheet by mode, then shown.

#include "ReviewUnit.h"
#include "exam/AnswerSheet.h"
#include "exam/TestUnit.h"

#include <QPushButton>

namespace dorvale {

namespace {

std::array<quint8, 6> choicesOf(const TItemAnswer& entry)
{
    return {entry.Choice1, entry.Choice2, entry.Choice3,
            entry.Choice4, entry.Choice5, entry.Choice6};
}

bool answered(const TItemAnswer& entry)
{
    for (quint8 choice : choicesOf(entry)) {
        if (choice != 0)
            return true;
    }
    return false;
}

} // namespace

void TTestForm::Button1Click()
{
    if (FMode == 1)
        FillReviewRunning();
    else if (FMode == 3)
        FillReviewGraded();
    ReviewForm->BitBtn2->setEnabled(false);
    ReviewForm->showModal();
}

void TTestForm::FillReviewRunning()
{
    ReviewForm->clearEntries();
    if (ItemAnswers.empty())
        return;
    for (size_t i = 0; i < ItemAnswers.size(); ++i) {
        const TItemAnswer& entry = ItemAnswers[i];
        int icon = answered(entry) ? TReviewForm::Complete : TReviewForm::Incomplete;
        if (entry.Marked == 1)
            icon = TReviewForm::Marked;
        ReviewForm->addEntry(reviewCaption(int(i) + 1, choicesOf(entry)), icon);
    }
    ReviewForm->showExamLegend(true);
}

void TTestForm::FillReviewGraded()
{
    ReviewForm->clearEntries();
    if (ItemAnswers.empty())
        return;
    for (size_t i = 0; i < ItemAnswers.size(); ++i) {
        const TItemAnswer& entry = ItemAnswers[i];
        const int icon = entry.Correct == 1 ? TReviewForm::Complete : TReviewForm::Incorrect;
        ReviewForm->addEntry(reviewCaption(int(i) + 1, choicesOf(entry)), icon);
    }
    ReviewForm->showExamLegend(false);
}

} // namespace dorvale
