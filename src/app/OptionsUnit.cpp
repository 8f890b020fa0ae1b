#include "OptionsUnit.h"

#include "exam/TestUnit.h"
#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/TFontDialog.h"
#include "platform/TRadioGroup.h"
#include "platform/TSpinEdit.h"
#include "platform/TddgRunButton.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

namespace dorvale {

TOptionsForm* OptionsForm = nullptr;

using platform::guarded;

namespace {

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* l = named(new QLabel(text, parent), name);
    l->adjustSize();
    l->move(left, top);
    return l;
}

} // namespace

TOptionsForm::TOptionsForm()
    : TForm(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Options"));
    setFont(platform::pixelFont("MS Sans Serif", 11));
    setFixedSize(361, 312);

    GroupBox1 = named(new QGroupBox(QStringLiteral("Fonts"), this), "GroupBox1");
    GroupBox1->setGeometry(8, 6, 345, 112);
    ListBox1 = named(new QListWidget(GroupBox1), "ListBox1");
    ListBox1->addItems(
        {QStringLiteral("Question"), QStringLiteral("Answers"), QStringLiteral("Explanation")});
    ListBox1->setGeometry(12, 22, 113, 54);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BitBtn3 = named(new QPushButton(QStringLiteral("Change Font"), GroupBox1), "BitBtn3");
    BitBtn3->setGeometry(12, 80, 113, 25);
    Panel1 = named(new QLabel(GroupBox1), "Panel1");
    Panel1->setGeometry(133, 22, 200, 83);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    platform::fillBackground(Panel1, Qt::white);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(8, 126, 345, 144);
    TabSheet1 = named(new QWidget, "TabSheet1");
    TabSheet2 = named(new QWidget, "TabSheet2");
    TabSheet3 = named(new QWidget, "TabSheet3");
    PageControl1->addTab(TabSheet1, QStringLiteral("'Learn Now' button"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Calculator"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Timer"));

    LearnBtnGroup =
        named(new platform::TRadioGroup(QStringLiteral("Learn Now Button"),
                                        {QStringLiteral("Show 'Learn Now' button (not recomended)"),
                                         QStringLiteral("Do not show 'Learn Now' button")},
                                        TabSheet1),
              "LearnBtnGroup");
    LearnBtnGroup->setGeometry(8, 8, 321, 64);

    CalcBtnGroup =
        named(new platform::TRadioGroup(QStringLiteral("Calculator Button"),
                                        {QStringLiteral("Show calculator button"),
                                         QStringLiteral("Do not show calculator button")},
                                        TabSheet2),
              "CalcBtnGroup");
    CalcBtnGroup->setGeometry(8, 8, 321, 64);
    Label1 = label(TabSheet2, "Label1", QStringLiteral("Calculator path:"), 8, 76);
    Edit1 = named(new QLineEdit(TabSheet2), "Edit1");
    Edit1->setGeometry(8, 91, 297, 21);
    SpeedButton1 = named(new QToolButton(TabSheet2), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Browse"));
    SpeedButton1->setGeometry(307, 91, 22, 21);

    TimerGroup = named(new platform::TRadioGroup(
                           QStringLiteral("Timer"),
                           {QStringLiteral("Timer On"), QStringLiteral("Timer Off")}, TabSheet3),
                       "TimerGroup");
    TimerGroup->setGeometry(8, 8, 321, 64);
    Label2 = label(TabSheet3, "Label2", QStringLiteral("Deafault Time (min):"), 8, 84);
    SpinEdit1 = named(new platform::TSpinEdit(TabSheet3), "SpinEdit1");
    SpinEdit1->setRange(1, 9000);
    SpinEdit1->setGeometry(Label2->x() + Label2->width() + 8, 80, 65, 21);
    Label2->setBuddy(SpinEdit1);

    BitBtn1 = named(new QPushButton(QStringLiteral("OK"), this), "BitBtn1");
    BitBtn1->setGeometry(278, 279, 75, 25);
    BitBtn1->setDefault(true);

    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this] { guarded([this] { ListBox1Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this,
            platform::guard(this, &TOptionsForm::BitBtn3Click));
    connect(LearnBtnGroup, &platform::TRadioGroup::clicked, this,
            platform::guard(this, &TOptionsForm::LearnBtnGroupClick));
    connect(TimerGroup, &platform::TRadioGroup::clicked, this,
            platform::guard(this, &TOptionsForm::TimerGroupClick));
    connect(CalcBtnGroup, &platform::TRadioGroup::clicked, this,
            platform::guard(this, &TOptionsForm::CalcBtnGroupClick));
    connect(SpeedButton1, &QToolButton::clicked, this,
            platform::guard(this, &TOptionsForm::SpeedButton1Click));
    // The dialog ends with OK whatever the handler ran into: its errors have been shown.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        guarded([this] { BitBtn1Click(); });
        closeWith(QDialog::Accepted);
    });
}

void TOptionsForm::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen();
    guarded([this] { FormActivate(); });
}

void TOptionsForm::FormActivate()
{
    ListBox1->setCurrentRow(0);
    ListBox1Click();
}

platform::ControlFont* TOptionsForm::selectedFont()
{
    switch (ListBox1->currentRow()) {
    case 1:
        return &FAnswersFont;
    case 2:
        return &FExplanationFont;
    default:
        return &FQuestionFont;
    }
}

void TOptionsForm::ListBox1Click()
{
    const QListWidgetItem* entry = ListBox1->currentItem();
    Panel1->setText(entry ? entry->text() : QString());
    const platform::ControlFont* selected = selectedFont();
    if (selected->isNull())
        return;
    platform::ControlFont example(Panel1);
    example.assign(selected->font(), selected->color());
}

void TOptionsForm::BitBtn3Click()
{
    if (!FDialog) {
        FDialog = new platform::TFontDialog(this);
        FDialog->setObjectName(QStringLiteral("FDialog"));
    }
    const platform::ControlFont example(Panel1);
    // Preset with the face and style the control really shows, as the dialog lists them,
    // rather than the names it asked for: an unknown style would leave the dialog's last one.
    QFont preset = example.font();
    const QFontInfo shown(preset);
    preset.setFamily(shown.family());
    preset.setStyleName(shown.styleName());
    FDialog->setCurrentFont(preset);
    FDialog->setCurrentColor(example.color());
    platform::ControlFont* selected = selectedFont();
    if (FDialog->exec() == QDialog::Accepted && !selected->isNull())
        selected->assign(FDialog->selectedFont(), FDialog->currentColor());
    ListBox1Click();
}

void TOptionsForm::LearnBtnGroupClick()
{
    FLearnChoice = LearnBtnGroup->itemIndex() == 0;
}
void TOptionsForm::TimerGroupClick()
{
    FTimerChoice = TimerGroup->itemIndex() == 0;
}
void TOptionsForm::CalcBtnGroupClick()
{
    FCalcChoice = CalcBtnGroup->itemIndex() == 0;
}

void TOptionsForm::SpeedButton1Click()
{
    if (!OpenDialog1) {
        OpenDialog1 = new QFileDialog(this, QStringLiteral("Open"));
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
#ifdef Q_OS_WIN
        OpenDialog1->setNameFilter(QStringLiteral("Executable file (*.exe)"));
#else
        // Programs carry no extension here; the calculator button checks that the chosen file
        // may be run. (A permission filter would keep Qt's dialog from ever enabling Open.)
        OpenDialog1->setNameFilter(QStringLiteral("Executable file (*)"));
#endif
    }
    const QFileInfo current(Edit1->text());
    if (!Edit1->text().isEmpty() && current.absoluteDir().exists())
        OpenDialog1->setDirectory(current.absolutePath());
    // The tables and pictures are found in the working directory: whatever the dialog does,
    // it stays the program's folder.
    const QString workingDir = QDir::currentPath();
    const bool chosen =
        OpenDialog1->exec() == QDialog::Accepted && !OpenDialog1->selectedFiles().isEmpty();
    QDir::setCurrent(workingDir);
    if (chosen)
        Edit1->setText(QDir::toNativeSeparators(OpenDialog1->selectedFiles().constFirst()));
}

void TOptionsForm::BitBtn1Click()
{
    TTestForm* form = TestForm;
    FTimeChoice = SpinEdit1->currentValue();
    FPathChoice = Edit1->text();
    if (FLearnChoice != form->FShowLearnBtn) {
        form->FShowLearnBtn = FLearnChoice;
        form->LearnButton->setVisible(FLearnChoice);
    }
    if (FTimerChoice != form->FTimerOn) {
        form->FTimerOn = FTimerChoice;
        form->StartCountDown();
    }
    if (FCalcChoice != form->FShowCalcBtn) {
        form->FShowCalcBtn = FCalcChoice;
        form->CalcButton->setVisible(FCalcChoice);
    }
    form->FDefaultTime = FTimeChoice;
    if (FPathChoice != form->FCalcPath) {
        form->FCalcPath = FPathChoice;
        // The button checks the path and may refuse it; it then keeps its program.
        form->CalcButton->setCommandLine(FPathChoice);
    }
}

} // namespace dorvale
