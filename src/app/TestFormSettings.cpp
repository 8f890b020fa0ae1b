// The test window's settings for the run, and its Options and About commands.

#include "AboutUnit.h"
#include "exam/TestUnit.h"
#include "platform/Processes.h"

#include <QDir>

namespace dorvale {

void TTestForm::ReadWindowsDir() { FWindowsDir = platform::calculatorDirectory(); }

void TTestForm::ReadSettings()
{
    FShowLearnBtn = false;
    FShowCalcBtn = true;
    FTimerOn = true;
    FDefaultTime = 90;
    FCalcPath = QDir(FWindowsDir).filePath(platform::calculatorProgramName());
}

void TTestForm::Preferences1Click() {}

void TTestForm::About1Click() { AboutForm->showModal(); }

} // namespace dorvale
