// The exam's count-down and the calculator button.

#include "TestUnit.h"
#include "platform/MessageBox.h"
#include "platform/TddgRunButton.h"
#include "platform/TfcLabel.h"
#include "platform/TimeCounter.h"
#include "platform/TimeFormat.h"

#include <QFileInfo>

namespace dorvale {

void TTestForm::StartCountDown()
{
    const bool counting = FTimerOn && FMode == 1;
    TimeLabel->setVisible(counting);
    TimeLabel->setText(platform::formatTimeValue(FTimeLimit));
    TimeLabel->adjustSize();
    Timer1->setEnabled(counting);
    Timer1->restart();
}

void TTestForm::Timer1Timer()
{
    // The elapsed time is read back from its text, so it counts in whole seconds.
    const double elapsed = platform::parseTimeValue(Timer1->elapsed());
    FElapsed = elapsed >= 0 ? elapsed : Timer1->elapsedSeconds() / 86400.0;
    // Whole seconds compared as whole seconds: no rounding error decides the expiry.
    const qint64 limitSeconds = qRound64(FTimeLimit * 86400.0);
    const qint64 elapsedSeconds = qRound64(FElapsed * 86400.0);
    const bool expired = elapsedSeconds >= limitSeconds;
    TimeLabel->setText(platform::formatTimeValue(expired ? 0.0 : FTimeLimit - FElapsed));
    TimeLabel->adjustSize();
    if (expired) {
        Timer1->restart();
        Timer1->setEnabled(false);
        TimeExpired();
    }
}

void TTestForm::TimeExpired()
{
    // "&No" grades (Escape answers it too); "OK" or the close box go on without a limit.
    const auto answer = platform::MessageBox::askInOrder(
        platform::MessageKind::Information, QStringLiteral("Information"),
        QStringLiteral("Your time has expired.\nDo you want continue the exam anyway?"),
        {QMessageBox::No, QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::No, QMessageBox::Ok);
    if (answer == QMessageBox::No)
        GradeButtonClick();
    else
        TimeLabel->hide();
}

void TTestForm::SetUpCalcButton()
{
    if (QFileInfo(FCalcPath).isFile()) {
        CalcButton->setCommandLine(FCalcPath);
        CalcButton->setVisible(FShowCalcBtn);
    } else {
        CalcButton->hide();
        FShowCalcBtn = false;
    }
}

} // namespace dorvale
