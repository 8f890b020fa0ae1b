// Choosing an exam: the ten exam kinds, the candidate dialog, and the start of the exam.

#include "NameUnit.h"
#include "PrepareUnit.h"
#include "TestUnit.h"
#include "platform/MessageBox.h"
#include "platform/TSpinEdit.h"

#include <QLabel>
#include <QPushButton>

namespace dorvale {

namespace {

QString examLetter(int exam)
{
    return QString(QChar(u'A' + exam - 1));
}

} // namespace

void TTestForm::PrepareCandidateDialog(bool enabled)
{
    dtQSet->open();
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N<>0"));
    dtQSet->setFiltered(true);
    const int eligible = dtQSet->recordCount();
    NameForm->SpinEdit2->setMaximum(qMax(1, eligible));
    NameForm->SpinEdit2->setValue(eligible);
    dtQSet->close();
    NameForm->Label4->setEnabled(enabled);
    NameForm->SpinEdit2->setFieldEnabled(enabled);
}

void TTestForm::ExamActionExecute(int exam)
{
    PrepareCandidateDialog(false);
    NameForm->setWindowTitle(QStringLiteral("Begin Practice Exam ") + examLetter(exam));
    FExamTitle = QStringLiteral("Practice Exam ") + examLetter(exam);
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N=%1").arg(exam));
    BeginExam();
}

void TTestForm::AllQActExecute()
{
    PrepareCandidateDialog(false);
    NameForm->setWindowTitle(QStringLiteral("Take All Questions"));
    FExamTitle = QStringLiteral("All Questions");
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N<>0"));
    BeginExam();
}

void TTestForm::BeginExam()
{
    NameForm->SpinEdit1->setValue(FDefaultTime);
    if (NameForm->showModal() != QDialog::Accepted)
        return;
    startPreparedExam(*dtQSet, PrepareFullSet);
}

void TTestForm::RandActExecute()
{
    NameForm->setWindowTitle(QStringLiteral("Random Exam"));
    PrepareCandidateDialog(true);
    FExamTitle = QStringLiteral("Random Exam");
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N<>0"));
    // The time field keeps what it showed when the dialog last closed.
    if (NameForm->showModal() != QDialog::Accepted)
        return;
    startPreparedExam(*dtQSet, PrepareRandomSet);
}

void TTestForm::startPreparedExam(data::Table& source, void (*prepare)())
{
    Label3->setText(FExamTitle);
    // Mode 0 while the set is filled and the answer sheet reset, so those moves show nothing.
    FMode = 0;
    try {
        // The bank is read with the exam's filter; the user question set has none.
        if (&source == dtQSet)
            dtQSet->setFiltered(true);
        source.open();
        prepare();
        ResetAnswerSheet();
    } catch (...) {
        // Whatever failed, the start page stays usable with every table closed.
        CloseCurrentExam();
        throw;
    }
    if (!startWithItems())
        return;
    FMode = 1;
    ExamControls();
    if (&source == dtUserSet)
        NoteButton->hide(); // a User Exam offers no notes
    dtCurrentSet->first();
    StartCountDown();
}

bool TTestForm::startWithItems()
{
    if (FItemCount > 0)
        return true;
    // A filter that selects no item: there is nothing to take, so the start page stays.
    CloseCurrentExam();
    platform::MessageBox::inform(
        QStringLiteral("The question bank holds no items for %1.").arg(FExamTitle));
    return false;
}

void TTestForm::UserActExecute()
{
    dtUserSet->open();
    if (dtUserSet->isEmpty()) {
        dtUserSet->close();
        platform::MessageBox::inform(QStringLiteral("User defined question set is empty!"));
        return;
    }
    PrepareCandidateDialog(false);
    NameForm->setWindowTitle(QStringLiteral("User Exam"));
    FExamTitle = QStringLiteral("User Exam");
    BeginUserExam();
}

void TTestForm::BeginUserExam()
{
    NameForm->SpinEdit1->setValue(FDefaultTime);
    if (NameForm->showModal() != QDialog::Accepted)
        return; // the user question set stays open until the window closes
    startPreparedExam(*dtUserSet, PrepareUserSet);
}

} // namespace dorvale
