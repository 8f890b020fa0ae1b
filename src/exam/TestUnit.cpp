#include "TestUnit.h"

#include "AnswerSheet.h"
#include "LPositionsUnit.h"
#include "data/Schemas.h"
#include "data/TablePassword.h"
#include "platform/Anchors.h"
#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/TddgRunButton.h"
#include "platform/TfcLabel.h"
#include "platform/TfcShapeBtn.h"
#include "platform/TimeCounter.h"
#include "platform/TimeFormat.h"
#include "platform/WrapLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace dorvale {

TTestForm* TestForm = nullptr;

using platform::fillBackground;
using platform::kButtonFace;
using platform::pixelFont;
using platform::setTextColour;

namespace {

// The client width the window was designed at; controls anchored right keep their distance.
constexpr int kDesignedWidth = 724;

data::Table* newTable(QObject* owner, const char* name, const char* file)
{
    auto* table =
        new data::Table(QString::fromLatin1(data::kSessionName), QString::fromLatin1(file), owner);
    table->setObjectName(QLatin1String(name));
    table->setLockRetryCount(15);
    table->setLockWaitTime(100);
    return table;
}

data::DataSource* newSource(QObject* owner, data::Table* table, const char* name)
{
    auto* source = new data::DataSource(owner);
    source->setObjectName(QLatin1String(name));
    source->setDataSet(table);
    return source;
}

platform::TfcShapeBtn* startButton(QWidget* parent, const QString& name, const QString& caption,
                                   const QColor& color, int width, int top)
{
    auto* button = new platform::TfcShapeBtn(caption, parent);
    button->setObjectName(name);
    button->setColor(color);
    button->setRoundRectBias(15);
    button->setFont(pixelFont("MS Sans Serif", 13));
    button->setGeometry(0, top, width, 30);
    return button;
}

} // namespace

TTestForm::TTestForm()
    : TForm(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TestForm"));
    setFont(pixelFont("MS Sans Serif", 11));

    DBISAMSession1 = std::make_unique<data::Session>(QString::fromLatin1(data::kSessionName));
    dtQSet = newTable(this, "dtQSet", data::kBankFile);
    dtCurrentSet = newTable(this, "dtCurrentSet", data::kCurrentSetFile);
    dtUserSet = newTable(this, "dtUserSet", data::kUserSetFile);
    dsQSet = newSource(this, dtQSet, "dsQSet");
    dsCurrentSet = newSource(this, dtCurrentSet, "dsCurrentSet");
    dsUserSet = newSource(this, dtUserSet, "dsUserSet");
    connect(dsCurrentSet, &data::DataSource::dataChange, this, [this](const QString& field) {
        platform::guarded([&] { dsCurrentSetDataChange(field); });
    });

    Timer1 = new platform::TimeCounter(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &platform::TimeCounter::timeout, this,
            platform::guard(this, &TTestForm::Timer1Timer));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->setMenuBar(MainMenu1);
    buildHeader();
    layout->addWidget(Panel1);
    auto* client = new QWidget(this);
    auto* clientLayout = new QGridLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    buildStartPage();
    buildItemArea();
    // The start page and the item area overlap; exactly one of them is shown.
    Panel4->setParent(client);
    Panel3->setParent(client);
    clientLayout->addWidget(Panel4, 0, 0);
    clientLayout->addWidget(Panel3, 0, 0);
    layout->addWidget(client, 1);
    buildButtonBar();
    layout->addWidget(Panel2);

    resize(732, 505);
    setMinimumSize(732, 502);

    // The state of the start page.
    Panel3->hide();
    Panel2->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, MarkBox, CorrectLabel,
                                                      TimeLabel, ReviewLabel})
        w->hide();
    Print1->setEnabled(false);

    platform::guarded([this] { FormCreate(); });
}

TTestForm::~TTestForm()
{
    // The tables go before the session they belong to.
    delete dsQSet;
    delete dsCurrentSet;
    delete dsUserSet;
    delete dtQSet;
    delete dtCurrentSet;
    delete dtUserSet;
}

void TTestForm::buildMenus()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    Preferences1 = File1->addAction(QStringLiteral("&Options..."));
    Preferences1->setObjectName(QStringLiteral("Preferences1"));
    Print1 = File1->addAction(QStringLiteral("&Print this item"));
    Print1->setObjectName(QStringLiteral("Print1"));
    File1->addSeparator();
    Exit1 = File1->addAction(QStringLiteral("E&xit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Preferences1, &QAction::triggered, this,
            platform::guard(this, &TTestForm::Preferences1Click));
    connect(Print1, &QAction::triggered, this, platform::guard(this, &TTestForm::Print1Click));
    connect(Exit1, &QAction::triggered, this, platform::guard(this, &TTestForm::Exit1Click));

    // The actions of the ten exam kinds; their buttons and menu items carry captions of their own.
    N21 = MainMenu1->addMenu(QStringLiteral("Exa&ms"));
    N21->setObjectName(QStringLiteral("N21"));
    for (int exam = 1; exam <= 7; ++exam) {
        const QChar letter(u'A' + exam - 1);
        QAction* action = new QAction(QString(letter), this);
        action->setObjectName(QStringLiteral("Action%1").arg(exam));
        connect(action, &QAction::triggered, this,
                [this, exam] { platform::guarded([&] { ExamActionExecute(exam); }); });
        ExamActions[size_t(exam - 1)] = action;
        QAction* item = N21->addAction(QStringLiteral("Practice Exam &%1").arg(letter));
        connect(item, &QAction::triggered, action, &QAction::trigger);
    }
    N21->addSeparator();
    AllQAct = new QAction(QStringLiteral("All &Questions"), this);
    AllQAct->setObjectName(QStringLiteral("AllQAct"));
    RandAct = new QAction(QStringLiteral("&Random Exam"), this);
    RandAct->setObjectName(QStringLiteral("RandAct"));
    UserAct = new QAction(QStringLiteral("&User Exam"), this);
    UserAct->setObjectName(QStringLiteral("UserAct"));
    connect(AllQAct, &QAction::triggered, this, platform::guard(this, &TTestForm::AllQActExecute));
    connect(RandAct, &QAction::triggered, this, platform::guard(this, &TTestForm::RandActExecute));
    connect(UserAct, &QAction::triggered, this, platform::guard(this, &TTestForm::UserActExecute));
    const std::pair<QAction*, const char*> kinds[] = {
        {AllQAct, "&Take All &Questions"}, {RandAct, "&Random Exam"}, {UserAct, "&User Exam"}};
    for (const auto& [action, caption] : kinds) {
        QAction* item = N21->addAction(QString::fromLatin1(caption));
        connect(item, &QAction::triggered, action, &QAction::trigger);
    }

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    About1 = Help1->addAction(QStringLiteral("Ab&out"));
    About1->setObjectName(QStringLiteral("About1"));
    connect(About1, &QAction::triggered, this, platform::guard(this, &TTestForm::About1Click));
}

void TTestForm::buildHeader()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(45);
    fillBackground(Panel1, kButtonFace);
    auto* fill = new QVBoxLayout(Panel1);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->setSpacing(0);
    Bevel1 = new QFrame(Panel1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setFixedHeight(2);
    fill->addWidget(Bevel1);

    fcLabel1 =
        new platform::TfcLabel(QStringLiteral("Windows NT Server 4.0 in the Enterprise"), Panel1);
    fcLabel1->setObjectName(QStringLiteral("fcLabel1"));
    fcLabel1->setFont(pixelFont("Arial", 19, true, true));
    fcLabel1->setTextColor(Qt::white);
    fcLabel1->setOutlined(true);
    fcLabel1->setShadow(2, QColor(80, 80, 80));
    fcLabel1->setAlignment(Qt::AlignCenter);
    fill->addWidget(fcLabel1, 1);

    Label1 = new platform::TfcLabel(QString(), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont("Verdana", 13, true));
    Label1->setTextColor(Qt::white);
    Label1->setShadow(1);
    Label1->move(4, 4);

    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(pixelFont("Verdana", 13));
    setTextColour(Label2, Qt::black);
    Label2->move(124, 4);

    Label3 = new QLabel(Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(pixelFont("Verdana", 13, true));
    setTextColour(Label3, QColor(128, 128, 128));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label3->setGeometry(453, 4, 268, 18);
    platform::anchorRight(Label3, kDesignedWidth);

    MarkBox = new QCheckBox(QStringLiteral("&Mark this item"), Panel1);
    MarkBox->setObjectName(QStringLiteral("MarkBox"));
    MarkBox->setFont(pixelFont("Verdana", 13, true));
    setTextColour(MarkBox, Qt::black);
    MarkBox->setGeometry(4, 24, 161, 19);
    connect(MarkBox, &QCheckBox::toggled, this, platform::guard(this, &TTestForm::MarkBoxClick));

    CorrectLabel = new platform::TfcLabel(QString(), Panel1);
    CorrectLabel->setObjectName(QStringLiteral("CorrectLabel"));
    CorrectLabel->setFont(pixelFont("Verdana", 13, true));
    CorrectLabel->setShadow(1, QColor(160, 160, 160));
    CorrectLabel->move(4, 24);

    TimeLabel = new platform::TfcLabel(QString(), Panel1);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    TimeLabel->setFont(pixelFont("Verdana", 13, true));
    TimeLabel->setTextColor(Qt::white);
    TimeLabel->setShadow(1);
    TimeLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    TimeLabel->setGeometry(619, 24, 102, 18);
    platform::anchorRight(TimeLabel, kDesignedWidth);

    ReviewLabel = new QLabel(QStringLiteral("Review items"), Panel1);
    ReviewLabel->setObjectName(QStringLiteral("ReviewLabel"));
    ReviewLabel->setFont(pixelFont("Verdana", 13, true));
    setTextColour(ReviewLabel, QColor(0, 0, 128));
    ReviewLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    ReviewLabel->adjustSize();
    ReviewLabel->move(kDesignedWidth - 3 - ReviewLabel->width(), 24);
    platform::anchorRight(ReviewLabel, kDesignedWidth);
}

void TTestForm::buildStartPage()
{
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    fillBackground(Panel4, Qt::white);
    auto* column = new QVBoxLayout(Panel4);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addSpacing(17); // Bevel4

    fcLabel5 = new platform::TfcLabel(QStringLiteral("Welcome to Dorvale 4.0"), Panel4);
    fcLabel5->setObjectName(QStringLiteral("fcLabel5"));
    fcLabel5->setFont(pixelFont("Arial", 16, true, true));
    fcLabel5->setTextColor(QColor(0, 255, 255));
    fcLabel5->setOutlined(true);
    fcLabel5->setShadow(2, QColor(128, 128, 128));
    fcLabel5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    column->addWidget(fcLabel5);

    fcLabel3 = new platform::TfcLabel(
        QStringLiteral(
            "Dorvale is designed to prepare you to pass the (70-068) exam.\n"
            "Implementing and Supporting Microsoft Windows NT Server 4.0 in the Enterprise."),
        Panel4);
    fcLabel3->setObjectName(QStringLiteral("fcLabel3"));
    fcLabel3->setFont(pixelFont("MS Sans Serif", 13));
    fcLabel3->setTextColor(Qt::black);
    fcLabel3->setWordWrap(true);
    fcLabel3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    column->addWidget(fcLabel3);
    column->addSpacing(7); // Bevel3

    Panel5 = new QWidget(Panel4);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    fillBackground(Panel5, Qt::white);
    Panel5->setFixedHeight(44 + 30 + 5);
    fcLabel4 = new platform::TfcLabel(
        QStringLiteral("Please select the practice exam you want to begin."), Panel5);
    fcLabel4->setObjectName(QStringLiteral("fcLabel4"));
    fcLabel4->setFont(pixelFont("Arial", 16, true, true));
    fcLabel4->setTextColor(QColor(0, 255, 0));
    fcLabel4->setOutlined(true);
    fcLabel4->setShadow(2, QColor(128, 128, 128));
    fcLabel4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (int i = 0; i < 7; ++i) {
        const QString caption =
            i < 6 ? QStringLiteral("&%1").arg(QChar(u'A' + i)) : QStringLiteral("G");
        auto* button = startButton(Panel5, QStringLiteral("fcShapeBtn%1").arg(i + 1), caption,
                                   QColor(128, 0, 128), 30, 44);
        ExamButtons[size_t(i)] = button;
        connect(button, &QPushButton::clicked, ExamActions[size_t(i)], &QAction::trigger);
    }
    column->addWidget(Panel5);

    AllQBtn = startButton(Panel4, QStringLiteral("AllQBtn"), QStringLiteral("All &Questions"),
                          QColor(0, 0, 128), 109, 168);
    RandomBtn = startButton(Panel4, QStringLiteral("RandomBtn"), QStringLiteral("&Random Exam"),
                            QColor(0, 0, 128), 109, 168);
    UserBtn = startButton(Panel4, QStringLiteral("UserBtn"), QStringLiteral("&User Exam"),
                          QColor(0, 0, 128), 109, 168);
    connect(AllQBtn, &QPushButton::clicked, AllQAct, &QAction::trigger);
    connect(RandomBtn, &QPushButton::clicked, RandAct, &QAction::trigger);
    connect(UserBtn, &QPushButton::clicked, UserAct, &QAction::trigger);
    column->addStretch(1);
}

void TTestForm::LayoutStartPage()
{
    const int W = frameGeometry().width();
    const int examWidth = ExamButtons[0]->width();
    int left = int(platform::roundHalfEven((W - 7.0L * examWidth - 36) / 2));
    for (platform::TfcShapeBtn* button : ExamButtons) {
        button->move(left, button->y());
        left += button->width() + 6;
    }
    const int kindWidth = AllQBtn->width();
    left = int(platform::roundHalfEven((W - 3.0L * kindWidth - 12) / 2));
    for (platform::TfcShapeBtn* button : {AllQBtn, RandomBtn, UserBtn}) {
        button->move(left, button->y());
        left += button->width() + 6;
    }
    fcLabel4->setGeometry(0, 5, Panel5->width(), 30);
}

void TTestForm::buildItemArea()
{
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    fillBackground(Panel3, Qt::white);
    auto* frame = new QVBoxLayout(Panel3);
    frame->setContentsMargins(0, 0, 0, 0);
    ScrollBox1 = new QScrollArea(Panel3);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setWidgetResizable(false);
    fillBackground(ScrollBox1, Qt::white);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    ScrollBox1->viewport()->setPalette(ScrollBox1->palette());
    frame->addWidget(ScrollBox1);

    ItemContent = new QWidget;
    ItemContent->setObjectName(QStringLiteral("ItemContent"));
    fillBackground(ItemContent, Qt::white);
    ScrollBox1->setWidget(ItemContent);

    QPanel = new QFrame(ItemContent);
    QPanel->setObjectName(QStringLiteral("QPanel"));
    QText = new platform::WrapLabel(QPanel);
    QText->setObjectName(QStringLiteral("QText"));
    QText->setAutoFillBackground(false);

    Shape1 = new QFrame(ItemContent);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    fillBackground(Shape1, QColor(0, 0, 255));

    ExhBtnA = new QPushButton(QStringLiteral("Exhibit &1"), ItemContent);
    ExhBtnA->setObjectName(QStringLiteral("ExhBtnA"));
    ExhBtnB = new QPushButton(QStringLiteral("Exhibit &2"), ItemContent);
    ExhBtnB->setObjectName(QStringLiteral("ExhBtnB"));
    ExhBtnA->setGeometry(1, 0, 93, 25);
    ExhBtnB->setGeometry(96, 0, 93, 25);
    connect(ExhBtnA, &QPushButton::clicked, this, platform::guard(this, &TTestForm::ExhBtnAClick));
    connect(ExhBtnB, &QPushButton::clicked, this, platform::guard(this, &TTestForm::ExhBtnBClick));

    CalcButton = new platform::TddgRunButton(ItemContent);
    CalcButton->setObjectName(QStringLiteral("CalcButton"));
    CalcButton->setToolTip(QStringLiteral("Calculator"));
    CalcButton->resize(37, 29);
    connect(CalcButton, &QToolButton::clicked, this,
            [this] { platform::guarded([&] { CalcButton->run(); }); });

    for (int n = 1; n <= 6; ++n) {
        const QChar letter(u'a' + n - 1);
        auto* label = new platform::WrapLabel(ItemContent);
        label->setObjectName(QStringLiteral("ALabel%1").arg(n));
        label->move(80, 0);
        label->setBackground(Qt::white);
        connect(label, &platform::WrapLabel::clicked, this,
                [this, n] { platform::guarded([&] { ALabelClick(n); }); });
        ALabels[size_t(n - 1)] = label;

        auto* radio = new QRadioButton(QStringLiteral("&%1.").arg(letter), ItemContent);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(n));
        radio->setGeometry(40, 0, 38, 17);
        connect(radio, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                platform::guarded([&] { RadioButton1Click(); });
        });
        RadioButtons[size_t(n - 1)] = radio;

        auto* check = new QCheckBox(QStringLiteral("&%1.").arg(letter), ItemContent);
        check->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        check->setGeometry(40, 0, 38, 17);
        connect(check, &QCheckBox::toggled, this,
                [this, n] { platform::guarded([&] { CheckBoxClick(n); }); });
        CheckBoxes[size_t(n - 1)] = check;
    }

    ExpText = new platform::WrapLabel(ItemContent);
    ExpText->setObjectName(QStringLiteral("ExpText"));
    ExpText->move(8, 0);
    ExpText->setAutoFillBackground(false);
    ExpText->hide();
}

void TTestForm::buildButtonBar()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(41);
    fillBackground(Panel2, kButtonFace);
    auto button = [this](const char* name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, Panel2);
        b->setObjectName(QLatin1String(name));
        b->setFont(pixelFont("MS Sans Serif", 13));
        b->setGeometry(left, 8, width, 29);
        b->setAutoDefault(false);
        return b;
    };
    PrevButton = button("PrevButton", QStringLiteral("&< Previous Item"), 4, 109);
    NextButton = button("NextButton", QStringLiteral("Next Item &>"), 116, 109);
    LearnButton = button("LearnButton", QStringLiteral("&Learn Now"), 236, 93);
    Button1 = button("Button1", QStringLiteral("Items &Review"), 332, 93);
    NoteButton = button("NoteButton", QStringLiteral("&Note"), 428, 93);
    GradeButton = button("GradeButton", QStringLiteral("&Grade Now"), 533, 93);
    Button3 = button("Button3", QStringLiteral("E&xit Exam"), 629, 93);
    platform::anchorRight(GradeButton, kDesignedWidth);
    platform::anchorRight(Button3, kDesignedWidth);
    connect(PrevButton, &QPushButton::clicked, this,
            platform::guard(this, &TTestForm::PrevButtonClick));
    connect(NextButton, &QPushButton::clicked, this,
            platform::guard(this, &TTestForm::NextButtonClick));
    connect(LearnButton, &QPushButton::clicked, this,
            platform::guard(this, &TTestForm::LearnButtonClick));
    connect(Button1, &QPushButton::clicked, this, platform::guard(this, &TTestForm::Button1Click));
    connect(NoteButton, &QPushButton::clicked, this,
            platform::guard(this, &TTestForm::NoteButtonClick));
    connect(GradeButton, &QPushButton::clicked, this,
            platform::guard(this, &TTestForm::GradeButtonClick));
    connect(Button3, &QPushButton::clicked, this, platform::guard(this, &TTestForm::Button3Click));
}

void TTestForm::FormCreate()
{
    DBISAMSession1->addPassword(data::tablePassword());
    setWindowState(windowState() | Qt::WindowMaximized);
    setWindowTitle(QStringLiteral("Dorvale 4.0"));
    FMode = 0;
    ReadWindowsDir();
    ReadSettings();
    LearnButton->setVisible(FShowLearnBtn);
    SetUpCalcButton();
}

void TTestForm::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    platform::guarded([this] { FormResize(); });
}

void TTestForm::FormResize()
{
    if (dtCurrentSet->active() && FMode != 0)
        ShowCurrentItem();
    if (Panel4->isVisible() || !Panel3->isVisible())
        LayoutStartPage();
}

void TTestForm::ExamControls()
{
    Panel4->hide();
    Panel3->show();
    ScrollBox1->setEnabled(true);
    Panel2->show();
    fcLabel1->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, MarkBox, Label3, TimeLabel})
        w->show();
    ReviewLabel->hide();
    CorrectLabel->hide();
    GradeButton->setText(QStringLiteral("Grade Now"));
    N21->setEnabled(false);
    Print1->setEnabled(true);
    LearnButton->setEnabled(true);
}

void TTestForm::ReviewControls()
{
    MarkBox->hide();
    TimeLabel->hide();
    LearnButton->setEnabled(false);
    CorrectLabel->show();
    ReviewLabel->show();
}

void TTestForm::CloseCurrentExam()
{
    FMode = 0;
    dtQSet->setFilter(QString());
    dtQSet->setFiltered(false);
    dtQSet->close();
    dtCurrentSet->close();
    dtUserSet->close();

    Panel2->hide();
    fcLabel1->show();
    N21->setEnabled(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label1, Label2, CorrectLabel, MarkBox, Label3, TimeLabel})
        w->hide();
    Timer1->setEnabled(false);
    ReviewLabel->hide();
    Print1->setEnabled(false);
    Panel3->hide();
    Panel4->show();
    NoteButton->show();
    LayoutStartPage();
}

void TTestForm::Button3Click()
{
    if (platform::MessageBox::confirm(QStringLiteral("Are you sure you wish to end this exam?"),
                                      QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::Yes) == QMessageBox::Yes)
        CloseCurrentExam();
}

bool TTestForm::formCloseQuery()
{
    if (FMode != 1)
        return true;
    return platform::MessageBox::warn(
               QStringLiteral("This exam is not completed.\nAre you shure ?"),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void TTestForm::formClose()
{
    CloseCurrentExam();
    if (QWidget* main = platform::Application::mainForm())
        main->show();
}

void TTestForm::Exit1Click()
{
    close();
}

} // namespace dorvale
