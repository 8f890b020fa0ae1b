#pragma once

#include "data/DataSource.h"
#include "data/Session.h"
#include "data/Table.h"
#include "platform/TForm.h"

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QWidget;

namespace dorvale {

namespace platform {
class ReportPrinter;
class TddgRunButton;
class TfcLabel;
class TfcShapeBtn;
class TimeCounter;
class WrapLabel;
} // namespace platform

// The window in which exams are chosen, taken, graded and reviewed. It owns the database
// session, the tables of the exam and the exam's state; the answer sheet lives beside it.
class TTestForm : public platform::TForm {
    Q_OBJECT

public:
    TTestForm();
    ~TTestForm() override;

    // ---- database session and tables
    std::unique_ptr<data::Session> DBISAMSession1;
    data::Table* dtQSet = nullptr;
    data::Table* dtCurrentSet = nullptr;
    data::Table* dtUserSet = nullptr;
    data::DataSource* dsQSet = nullptr;
    data::DataSource* dsCurrentSet = nullptr;
    data::DataSource* dsUserSet = nullptr;

    // ---- exam state
    qint32 FMode = 0; // 0 start page, 1 exam running, 3 answers review
    QString FExamTitle;
    QString FCandidateName;
    qint32 FItemCount = 0;
    qint32 FFirstItem = 0;
    double FTimeLimit = 0; // days
    double FElapsed = 0;   // days

    // ---- settings for the run
    bool FShowLearnBtn = false;
    bool FTimerOn = true;
    bool FShowCalcBtn = true;
    QString FCalcPath;
    QString FWindowsDir;
    qint32 FDefaultTime = 90;

    // ---- menus and actions
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* Preferences1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* N21 = nullptr; // "Exa&ms"
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;
    std::array<QAction*, 7> ExamActions{}; // Action1 ... Action7
    QAction* AllQAct = nullptr;
    QAction* RandAct = nullptr;
    QAction* UserAct = nullptr;

    // ---- header
    QWidget* Panel1 = nullptr;
    QFrame* Bevel1 = nullptr;
    platform::TfcLabel* fcLabel1 = nullptr;
    platform::TfcLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* MarkBox = nullptr;
    platform::TfcLabel* CorrectLabel = nullptr;
    platform::TfcLabel* TimeLabel = nullptr;
    QLabel* ReviewLabel = nullptr;

    // ---- start page
    QWidget* Panel4 = nullptr;
    platform::TfcLabel* fcLabel5 = nullptr;
    platform::TfcLabel* fcLabel3 = nullptr;
    QWidget* Panel5 = nullptr;
    platform::TfcLabel* fcLabel4 = nullptr;
    std::array<platform::TfcShapeBtn*, 7> ExamButtons{}; // fcShapeBtn1 ... fcShapeBtn7
    platform::TfcShapeBtn* AllQBtn = nullptr;
    platform::TfcShapeBtn* RandomBtn = nullptr;
    platform::TfcShapeBtn* UserBtn = nullptr;

    // ---- item area
    QWidget* Panel3 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* ItemContent = nullptr; // what ScrollBox1 scrolls
    QFrame* QPanel = nullptr;
    platform::WrapLabel* QText = nullptr;
    QFrame* Shape1 = nullptr;
    QPushButton* ExhBtnA = nullptr;
    QPushButton* ExhBtnB = nullptr;
    platform::TddgRunButton* CalcButton = nullptr;
    std::array<platform::WrapLabel*, 6> ALabels{}; // ALabel1 ... ALabel6
    std::array<QRadioButton*, 6> RadioButtons{};   // RadioButton1 ... RadioButton6
    std::array<QCheckBox*, 6> CheckBoxes{};        // CheckBox1 ... CheckBox6
    platform::WrapLabel* ExpText = nullptr;

    // ---- button bar
    QWidget* Panel2 = nullptr;
    QPushButton* PrevButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* LearnButton = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* NoteButton = nullptr;
    QPushButton* GradeButton = nullptr;
    QPushButton* Button3 = nullptr;

    platform::TimeCounter* Timer1 = nullptr;
    // The item printout's printer set-up: what its print dialog chose stays for the run.
    platform::ReportPrinter* ItemReport = nullptr;

    // ---- modes and the exam's life
    void LayoutStartPage();
    void ExamControls();
    void ReviewControls();
    void CloseCurrentExam();

    // ---- exam selection
    void ExamActionExecute(int exam); // Action1Execute ... Action7Execute
    void AllQActExecute();
    void RandActExecute();
    void UserActExecute();
    void PrepareCandidateDialog(bool enabled);
    void BeginExam();
    void BeginUserExam();

    // ---- item display, answering and navigation
    void dsCurrentSetDataChange(const QString& field);
    void ALabelClick(int n);   // ALabel1Click ... ALabel6Click
    void RadioButton1Click();  // shared by the six radio buttons
    void CheckBoxClick(int n); // CheckBox1Click ... CheckBox6Click
    void MarkBoxClick();
    void PrevButtonClick();
    void NextButtonClick();
    void LearnButtonClick();
    void ExhBtnAClick();
    void ExhBtnBClick();
    // Sets radio button n as the program does: checking it clears the other five first.
    void setRadioChecked(int n, bool checked);

    // ---- count-down and calculator
    void StartCountDown();
    void Timer1Timer();
    void TimeExpired();
    void SetUpCalcButton();

    // ---- grading and review (their windows are in the results library)
    void GradeButtonClick();
    void ShowScoreReport();
    void FillTotalScore();
    void FillSectionScores();
    void Button1Click();
    void FillReviewRunning();
    void FillReviewGraded();
    void NoteButtonClick();
    void Print1Click();

    // ---- settings
    void ReadWindowsDir();
    void ReadSettings();
    void Preferences1Click();

    void Button3Click();
    void Exit1Click();
    void About1Click();

protected:
    bool formCloseQuery() override;
    void formClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormResize();
    void buildMenus();
    void buildHeader();
    void buildStartPage();
    void buildItemArea();
    void buildButtonBar();
    void RadioChoiceChanged();
    void UpdateCorrect();

public:
    // True while the item display puts the stored answer back into the controls: the handlers
    // that this runs write the same flags back, and the item's verdict stays as it was (an
    // untouched item without a key would otherwise count as correct).
    bool FRestoringAnswers = false;

private:
    void showExhibit(const QString& field, platform::TForm* window);
    // BeginExam steps 3 to 11 with the given preparation.
    void startPreparedExam(data::Table& source, void (*prepare)());
    // False (and the start page back) when the prepared exam has no items.
    bool startWithItems();
};

extern TTestForm* TestForm;

} // namespace dorvale
