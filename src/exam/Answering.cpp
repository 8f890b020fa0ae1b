// The test window's handlers for the item on screen: its display on every record change,
// answering, marking, moving between items, Learn Now and the exhibits.

#include "AnswerSheet.h"
#include "LPositionsUnit.h"
#include "PictUnit1.h"
#include "PictUnit2.h"
#include "TestUnit.h"
#include "platform/TfcLabel.h"
#include "platform/WrapLabel.h"
#include "results/NoteUnit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace dorvale {

namespace {

// The answer sheet entry of the current item, or none when there is no current item.
TItemAnswer* currentEntry()
{
    const int recNo = TestForm->dtCurrentSet->active() ? TestForm->dtCurrentSet->recNo() : 0;
    if (recNo < 1 || size_t(recNo) > ItemAnswers.size())
        return nullptr;
    return &ItemAnswers[size_t(recNo - 1)];
}

bool key(int n)
{
    return TestForm->dtCurrentSet->asBoolean(QStringLiteral("A%1").arg(n));
}

} // namespace

void TTestForm::dsCurrentSetDataChange(const QString& field)
{
    Q_UNUSED(field);
    if (FMode == 0 || (NoteForm && NoteForm->isVisible()))
        return;
    const int recNo = dtCurrentSet->recNo();
    if (recNo < 1)
        return; // an exam without items has nothing to show
    PrevButton->setEnabled(recNo != FFirstItem);
    NextButton->setEnabled(recNo != FItemCount);
    Label1->setText(QStringLiteral("Item %1 of %2").arg(recNo).arg(FItemCount));
    Label1->adjustSize();
    Label2->setText(
        QStringLiteral("Item ID: %1").arg(dtCurrentSet->asInteger(QStringLiteral("Q_OR_NUMBER"))));
    Label2->adjustSize();
    ShowCurrentItem();
    ShowReviewState();
}

void TTestForm::ALabelClick(int n)
{
    QRadioButton* radio = RadioButtons[size_t(n - 1)];
    if (!radio->isHidden())
        setRadioChecked(n, true); // nothing happens when it was checked already
    else
        CheckBoxes[size_t(n - 1)]->toggle();
}

void TTestForm::setRadioChecked(int n, bool checked)
{
    QRadioButton* radio = RadioButtons[size_t(n - 1)];
    if (checked) {
        // The six buttons are one group: the others are cleared before this one reports.
        if (!radio->isChecked())
            radio->setChecked(true);
    } else if (radio->isChecked()) {
        // A group does not let its checked button go by itself; an unanswered item needs it to.
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

void TTestForm::RadioButton1Click()
{
    RadioChoiceChanged();
}

void TTestForm::RadioChoiceChanged()
{
    TItemAnswer* entry = currentEntry();
    if (!entry)
        return;
    if (FMode == 1) {
        for (int n = 1; n <= 6; ++n)
            entry->choice(n) = RadioButtons[size_t(n - 1)]->isChecked() ? 1 : 0;
        if (!FRestoringAnswers)
            UpdateCorrect();
    } else if (FMode == 3) {
        // Answers are read-only in the review: the stored answer is put back.
        for (int n = 1; n <= 6; ++n)
            setRadioChecked(n, entry->choice(n) != 0);
    }
}

void TTestForm::CheckBoxClick(int n)
{
    TItemAnswer* entry = currentEntry();
    if (!entry)
        return;
    QCheckBox* box = CheckBoxes[size_t(n - 1)];
    if (FMode == 1) {
        entry->choice(n) = box->isChecked() ? 1 : 0;
        if (!FRestoringAnswers)
            UpdateCorrect();
    } else if (FMode == 3) {
        box->setChecked(entry->choice(n) != 0);
    }
}

void TTestForm::UpdateCorrect()
{
    TItemAnswer* entry = currentEntry();
    if (!entry)
        return;
    bool correct = true;
    for (int n = 1; n <= 6; ++n)
        correct = correct && (key(n) == (entry->choice(n) != 0));
    entry->Correct = correct ? 1 : 0;
}

void TTestForm::MarkBoxClick()
{
    if (TItemAnswer* entry = currentEntry())
        entry->Marked = MarkBox->isChecked() ? 1 : 0;
}

void TTestForm::PrevButtonClick()
{
    dtCurrentSet->prior();
}
void TTestForm::NextButtonClick()
{
    dtCurrentSet->next();
}

void TTestForm::LearnButtonClick()
{
    ExpText->show();
    HighlightKey();
    FitItemArea();
}

void TTestForm::ExhBtnAClick()
{
    showExhibit(QStringLiteral("PICT1"), Pict1Form);
}
void TTestForm::ExhBtnBClick()
{
    showExhibit(QStringLiteral("PICT2"), Pict2Form);
}

void TTestForm::showExhibit(const QString& field, platform::TForm* window)
{
    auto* exhibit = static_cast<TPictForm*>(window);
    exhibit->loadPicture(dtCurrentSet->asString(field));
    exhibit->showModal();
}

} // namespace dorvale
