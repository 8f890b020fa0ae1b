#pragma once

#include "platform/ControlFont.h"
#include "platform/TForm.h"

class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace dorvale {

namespace platform {
class TFontDialog;
class TRadioGroup;
class TSpinEdit;
} // namespace platform

// The Options dialog: the three fonts of the test window, the Learn Now button, the calculator
// and the timer. The test window opens it, presets it and stores what it gave.
class TOptionsForm : public platform::TForm {
    Q_OBJECT

public:
    TOptionsForm();

    // The test window's own fonts of QText, ScrollBox1 and ExpText, set at each opening.
    platform::ControlFont FQuestionFont;
    platform::ControlFont FAnswersFont;
    platform::ControlFont FExplanationFont;
    bool FLearnChoice = false;
    bool FTimerChoice = true;
    bool FCalcChoice = true;
    qint32 FTimeChoice = 90;
    QString FPathChoice;

    QGroupBox* GroupBox1 = nullptr; // "Fonts"
    QListWidget* ListBox1 = nullptr;
    QPushButton* BitBtn3 = nullptr; // "Change Font"
    QLabel* Panel1 = nullptr;       // the example
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "'Learn Now' button"
    QWidget* TabSheet2 = nullptr; // "Calculator"
    QWidget* TabSheet3 = nullptr; // "Timer"
    platform::TRadioGroup* LearnBtnGroup = nullptr;
    platform::TRadioGroup* CalcBtnGroup = nullptr;
    QLabel* Label1 = nullptr; // "Calculator path:"
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    platform::TRadioGroup* TimerGroup = nullptr;
    QLabel* Label2 = nullptr; // "Deafault Time (min):"
    platform::TSpinEdit* SpinEdit1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "OK"
    platform::TFontDialog* FDialog = nullptr;
    QFileDialog* OpenDialog1 = nullptr;

    void FormActivate();
    void ListBox1Click();
    void BitBtn3Click();
    void LearnBtnGroupClick();
    void TimerGroupClick();
    void CalcBtnGroupClick();
    void SpeedButton1Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The font of the entry selected in the list.
    platform::ControlFont* selectedFont();
};

extern TOptionsForm* OptionsForm;

} // namespace dorvale
