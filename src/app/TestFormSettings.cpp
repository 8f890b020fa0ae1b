// The test window's settings for the run, and its Options and About commands.

#include "AboutUnit.h"
#include "OptionsUnit.h"
#include "exam/TestUnit.h"
#include "platform/ControlFont.h"
#include "platform/Processes.h"
#include "platform/SettingsStore.h"
#include "platform/TRadioGroup.h"
#include "platform/TSpinEdit.h"
#include "platform/WrapLabel.h"

#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>

namespace dorvale {

using platform::ControlFont;
using platform::FontSetting;

namespace {

// The face only when one is stored; bold and italic are added, never taken away.
void applyFont(ControlFont font, const FontSetting& setting)
{
    QFont f = font.font();
    if (!setting.name.isEmpty())
        f.setFamily(setting.name);
    if (setting.bold)
        f.setBold(true);
    if (setting.italic)
        f.setItalic(true);
    font.setFont(f);
    font.setColorValue(setting.color);
    font.setPointSize(setting.size);
}

FontSetting settingOf(const ControlFont& font)
{
    const QFont f = font.font();
    return {f.family(), font.colorValue(), font.pointSize(), f.bold(), f.italic()};
}

} // namespace

void TTestForm::ReadWindowsDir()
{
    FWindowsDir = platform::calculatorDirectory();
}

void TTestForm::ReadSettings()
{
    const QString defaultCalcPath =
        QDir::toNativeSeparators(QDir(FWindowsDir).filePath(platform::calculatorProgramName()));
    const platform::Settings s = platform::SettingsStore().read(defaultCalcPath);
    applyFont(ControlFont(QText), s.question);
    applyFont(ControlFont(ScrollBox1), s.answers);
    applyFont(ControlFont(ExpText), s.explanation);
    FShowLearnBtn = s.showLearnBtn;
    FShowCalcBtn = s.showCalcBtn;
    FTimerOn = s.timerOn;
    FDefaultTime = s.defaultTime;
    FCalcPath = s.calcPath;
}

void TTestForm::Preferences1Click()
{
    const platform::SettingsStore store;
    TOptionsForm* options = OptionsForm;
    options->PageControl1->setCurrentIndex(0);
    options->FQuestionFont = ControlFont(QText);
    options->FAnswersFont = ControlFont(ScrollBox1);
    options->FExplanationFont = ControlFont(ExpText);
    options->SpinEdit1->setValue(FDefaultTime);
    options->Edit1->setText(FCalcPath);
    options->LearnBtnGroup->setItemIndex(FShowLearnBtn ? 0 : 1);
    options->TimerGroup->setItemIndex(FTimerOn ? 0 : 1);
    options->CalcBtnGroup->setItemIndex(FShowCalcBtn ? 0 : 1);
    if (options->showModal() != QDialog::Accepted)
        return;

    // The OK button has already given the test window the dialog's choices.
    platform::Settings s;
    s.question = settingOf(ControlFont(QText));
    s.answers = settingOf(ControlFont(ScrollBox1));
    s.explanation = settingOf(ControlFont(ExpText));
    s.showLearnBtn = FShowLearnBtn;
    s.showCalcBtn = FShowCalcBtn;
    s.timerOn = FTimerOn;
    s.defaultTime = FDefaultTime;
    s.calcPath = FCalcPath;
    store.write(s);
}

void TTestForm::About1Click()
{
    AboutForm->showModal();
}

} // namespace dorvale
