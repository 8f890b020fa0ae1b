#include "SamplerUnit.h"

#include "Rep1Unit.h"
#include "SamplerPictures.h"
#include "platform/Colours.h"
#include "platform/DBControls.h"
#include "platform/ErrorBox.h"
#include "platform/MessageBox.h"
#include "platform/TStatusBar.h"
#include "platform/TfcLabel.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace dorvale {

TSamplerForm* SamplerForm = nullptr;

namespace {

const QString kSingle = QStringLiteral("Single responce");
const QString kMultiple = QStringLiteral("Multiple responces");

constexpr int kEditLeft = 44; // the choice edits start here in the scroll area
constexpr int kEditGap = 10;  // and end this far short of its right edge
constexpr int kRowTop = 8;
constexpr int kRowPitch = 30;

// The section list reports a click only for the user's own choice (mouse or keyboard): the
// selection that the browse display makes must not put the item into editing.
class SectionListBox : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QListWidget::mousePressEvent(event);
        pressedOnItem_ = itemAt(event->position().toPoint()) != nullptr;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QListWidget::mouseReleaseEvent(event);
        if (std::exchange(pressedOnItem_, false) && onClick)
            onClick();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const int before = currentRow();
        const bool selectedBefore = currentItem() && currentItem()->isSelected();
        QListWidget::keyPressEvent(event);
        const bool selectedAfter = currentItem() && currentItem()->isSelected();
        if ((currentRow() != before || selectedAfter != selectedBefore) && onClick)
            onClick();
    }

private:
    bool pressedOnItem_ = false;
};

QLabel* pageLabel(QWidget* page, const char* name, const QString& text)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(QLatin1String(name));
    return label;
}

QVBoxLayout* pageLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    return layout;
}

// The position of the selected section, or -1: a current row that is not selected (the list
// sets one when it gets the focus) counts as none.
int selectedSection(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

} // namespace

TSamplerForm::TSamplerForm()
    : TForm(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("SamplerForm"));
    setWindowTitle(QStringLiteral("Quillon Test Sampler"));
    ImageList1 = samplerImageList();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    createMenus();
    layout->setMenuBar(MainMenu1);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    int buttonNumber = 1;
    for (QAction* action : {AddAct, EditAct, DelAct}) {
        ToolBar1->addAction(action);
        QWidget* button = ToolBar1->widgetForAction(action);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(buttonNumber++));
        button->setFixedSize(96, 39);
        if (auto* tool = qobject_cast<QToolButton*>(button))
            tool->setAutoRaise(true);
    }
    ToolBar1->addSeparator();
    layout->addWidget(ToolBar1);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);

    fcDBTreeView1 = new platform::TfcDBTreeView(Splitter1);
    fcDBTreeView1->setObjectName(QStringLiteral("fcDBTreeView1"));
    fcDBTreeView1->setFrameShape(QFrame::StyledPanel);
    fcDBTreeView1->setIndentation(25);
    fcDBTreeView1->setIconSize(QSize(16, 16));
    fcDBTreeView1->setEntryIcon(ImageList1.value(0));
    fcDBTreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fcDBTreeView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(fcDBTreeView1->viewport()->mapToGlobal(at));
    });

    Panel1 = new QWidget(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* right = new QVBoxLayout(Panel1);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);

    Panel2 = new QWidget(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    platform::fillBackground(Panel2, QColor(128, 128, 128));
    auto* header = new QHBoxLayout(Panel2);
    header->setContentsMargins(8, 4, 8, 4);
    fcLabel4 = new platform::TfcLabel(QString(), Panel2);
    fcLabel4->setObjectName(QStringLiteral("fcLabel4"));
    QFont headerFont(QStringLiteral("Verdana"));
    headerFont.setPointSize(10);
    headerFont.setBold(true);
    fcLabel4->setFont(headerFont);
    fcLabel4->setTextColor(QColor(0, 255, 255));
    fcLabel4->setShadow(1, QColor(0, 0, 0));
    fcLabel4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->addWidget(fcLabel4, 1);
    right->addWidget(Panel2);

    createPages();
    right->addWidget(PageControl1, 1);

    Splitter1->addWidget(fcDBTreeView1);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({125, 646 - 125});
    layout->addWidget(Splitter1, 1);

    createBottomBand();
    layout->addWidget(Panel3);

    StatusBar1 = new platform::TStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (const int width : {70, 80, 100, 100})
        StatusBar1->addPanel(width);
    layout->addWidget(StatusBar1);

    bindControls();

    setMinimumSize(646, 462);
    resize(646, 481);

    platform::guarded([this] { FormCreate(); });
}

void TSamplerForm::createMenus()
{
    AddAct = new QAction(ImageList1.value(1), QStringLiteral("&Add new item"), this);
    AddAct->setObjectName(QStringLiteral("AddAct"));
    EditAct = new QAction(ImageList1.value(2), QStringLiteral("&Edit item"), this);
    EditAct->setObjectName(QStringLiteral("EditAct"));
    DelAct = new QAction(ImageList1.value(3), QStringLiteral("&Delete Item"), this);
    DelAct->setObjectName(QStringLiteral("DelAct"));
    connect(AddAct, &QAction::triggered, this, platform::guard(this, &TSamplerForm::AddActExecute));
    connect(EditAct, &QAction::triggered, this,
            platform::guard(this, &TSamplerForm::EditActExecute));
    connect(DelAct, &QAction::triggered, this, platform::guard(this, &TSamplerForm::DelActExecute));

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Exit1 = File1->addAction(QStringLiteral("E&xit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, platform::guard(this, &TSamplerForm::Exit1Click));

    Items1 = MainMenu1->addMenu(QStringLiteral("&Items"));
    Items1->setObjectName(QStringLiteral("Items1"));
    Items1->addAction(AddAct);
    Items1->addAction(EditAct);
    Items1->addAction(DelAct);
    Items1->addSeparator();
    Emptyquestionset1 = Items1->addAction(QStringLiteral("E&mpty question set"));
    Emptyquestionset1->setObjectName(QStringLiteral("Emptyquestionset1"));
    connect(Emptyquestionset1, &QAction::triggered, this,
            platform::guard(this, &TSamplerForm::Emptyquestionset1Click));

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    About1 = Help1->addAction(QStringLiteral("A&bout"));
    About1->setObjectName(QStringLiteral("About1"));
    connect(About1, &QAction::triggered, this, platform::guard(this, &TSamplerForm::About1Click));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(AddAct);
    PopupMenu1->addAction(EditAct);
    PopupMenu1->addAction(DelAct);
}

void TSamplerForm::createPages()
{
    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(createQuestionPage(), QStringLiteral("Test question"));
    PageControl1->addTab(createTypePage(), QStringLiteral("Type, Section"));
    PageControl1->addTab(createChoicesPage(), QStringLiteral("Responce choices"));
    PageControl1->addTab(createExplanationPage(), QStringLiteral("Explanation"));
    PageControl1->installEventFilter(this);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == TabSheet2)
            platform::guarded([this] { TabSheet2Enter(); });
    });
}

QWidget* TSamplerForm::createQuestionPage()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    QVBoxLayout* layout = pageLayout(TabSheet1);
    Label1 = pageLabel(TabSheet1, "Label1",
                       QStringLiteral("Enter the question text in the box bellow."));
    layout->addWidget(Label1);
    DBMemo1 = new platform::TDBMemo(TabSheet1);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(DBMemo1, 1);
    return TabSheet1;
}

QWidget* TSamplerForm::createTypePage()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    QVBoxLayout* layout = pageLayout(TabSheet2);
    Label2 = pageLabel(TabSheet2, "Label2", QStringLiteral("Select item type:"));
    layout->addWidget(Label2);
    ComboBox1 = new QComboBox(TabSheet2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    // The text can be typed over; Save then leaves the item's type as it was.
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({kSingle, kMultiple});
    ComboBox1->setMinimumWidth(200);
    layout->addWidget(ComboBox1, 0, Qt::AlignLeft);
    connect(ComboBox1, &QComboBox::activated, this,
            platform::guard(this, &TSamplerForm::ComboBox1Change));
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this,
            platform::guard(this, &TSamplerForm::ComboBox1Change));
    layout->addSpacing(6);
    Label3 = pageLabel(TabSheet2, "Label3", QStringLiteral("Select item section:"));
    layout->addWidget(Label3);
    auto* list = new SectionListBox(TabSheet2);
    list->onClick = platform::guard(this, &TSamplerForm::ListBox1Click);
    ListBox1 = list;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(ListBox1, 1);
    return TabSheet2;
}

QWidget* TSamplerForm::createChoicesPage()
{
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    auto* layout = new QVBoxLayout(TabSheet3);
    // The scroll area spans the whole page, so the edits end 10 pixels short of its right edge.
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(4);
    Label4 =
        pageLabel(TabSheet3, "Label4",
                  QStringLiteral("Enter the responce choices and mark the correct choice(s)."));
    Label4->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(Label4);

    ScrollBox2 = new QScrollArea(TabSheet3);
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    ScrollBox2->setFrameShape(QFrame::NoFrame);
    ScrollBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox2->setWidgetResizable(true);
    auto* rows = new QWidget;
    rows->setObjectName(QStringLiteral("ScrollBox2Rows"));
    platform::TDBCheckBox** boxes[] = {&DBCheckBox1, &DBCheckBox2, &DBCheckBox3,
                                       &DBCheckBox4, &DBCheckBox5, &DBCheckBox6};
    platform::TDBEdit** edits[] = {&DBEdit2, &DBEdit3, &DBEdit4, &DBEdit5, &DBEdit6, &DBEdit7};
    for (int i = 0; i < 6; ++i) {
        const int top = kRowTop + i * kRowPitch;
        auto* box = new platform::TDBCheckBox(QStringLiteral("%1.").arg(QChar(u'a' + i)), rows);
        box->setObjectName(QStringLiteral("DBCheckBox%1").arg(i + 1));
        box->setGeometry(8, top + 2, kEditLeft - 8 - 2, 20);
        auto* edit = new platform::TDBEdit(rows);
        edit->setObjectName(QStringLiteral("DBEdit%1").arg(i + 2));
        edit->setGeometry(kEditLeft, top, 200, 22);
        *boxes[i] = box;
        *edits[i] = edit;
    }
    rows->setMinimumHeight(kRowTop * 2 + 5 * kRowPitch + 22);
    ScrollBox2->setWidget(rows);
    ScrollBox2->installEventFilter(this);
    layout->addWidget(ScrollBox2, 1);
    return TabSheet3;
}

QWidget* TSamplerForm::createExplanationPage()
{
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    QVBoxLayout* layout = pageLayout(TabSheet4);
    Label5 = pageLabel(TabSheet4, "Label5", QStringLiteral("Enter the explanation text."));
    layout->addWidget(Label5);
    DBMemo2 = new platform::TDBMemo(TabSheet4);
    DBMemo2->setObjectName(QStringLiteral("DBMemo2"));
    DBMemo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(DBMemo2, 1);
    return TabSheet4;
}

void TSamplerForm::createBottomBand()
{
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* band = new QHBoxLayout(Panel3);
    band->setContentsMargins(6, 5, 6, 5);
    band->setSpacing(6);
    DBNavigator1 = new platform::TDBNavigator(Panel3);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    band->addWidget(DBNavigator1);
    band->addStretch(1);

    BitBtn1 = new QPushButton(saveGlyph(), QStringLiteral("Save"), Panel3);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true); // Enter saves
    BitBtn1->setMinimumWidth(75);
    BitBtn2 = new QPushButton(cancelGlyph(), QStringLiteral("Cancel"), Panel3);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setMinimumWidth(75);
    setCancelButton(BitBtn2); // Escape cancels
    band->addWidget(BitBtn1);
    band->addWidget(BitBtn2);
    connect(BitBtn1, &QPushButton::clicked, this,
            platform::guard(this, &TSamplerForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this,
            platform::guard(this, &TSamplerForm::BitBtn2Click));
}

void TSamplerForm::bindControls()
{
    data::DataSource* source = DM ? DM->dsUserSet : nullptr;
    fcDBTreeView1->setDataSource(source);
    DBNavigator1->setDataSource(source);
    DBMemo1->setDataSource(source);
    DBMemo1->setDataField(QStringLiteral("Q_TEXT"));
    DBMemo2->setDataSource(source);
    DBMemo2->setDataField(QStringLiteral("Q_EXPL"));
    for (int n = 1; n <= 6; ++n) {
        choiceCheckBox(n)->setDataSource(source);
        choiceCheckBox(n)->setDataField(QStringLiteral("A%1").arg(n));
        choiceEdit(n)->setDataSource(source);
        choiceEdit(n)->setDataField(QStringLiteral("Q%1").arg(n));
    }
}

platform::TDBCheckBox* TSamplerForm::choiceCheckBox(int n) const
{
    platform::TDBCheckBox* const boxes[] = {DBCheckBox1, DBCheckBox2, DBCheckBox3,
                                            DBCheckBox4, DBCheckBox5, DBCheckBox6};
    return n >= 1 && n <= 6 ? boxes[n - 1] : nullptr;
}

platform::TDBEdit* TSamplerForm::choiceEdit(int n) const
{
    platform::TDBEdit* const edits[] = {DBEdit2, DBEdit3, DBEdit4, DBEdit5, DBEdit6, DBEdit7};
    return n >= 1 && n <= 6 ? edits[n - 1] : nullptr;
}

bool TSamplerForm::eventFilter(QObject* watched, QEvent* event)
{
    // The scroll area follows the page control only once its page is laid out, so both sizes
    // run the layout of the choice edits.
    if (event->type() == QEvent::Resize && (watched == PageControl1 || watched == ScrollBox2))
        platform::guarded([this] { PageControl1Resize(); });
    return TForm::eventFilter(watched, event);
}

// ---- handlers ------------------------------------------------------------------------------

void TSamplerForm::FormCreate()
{
    ComboBox1->setCurrentIndex(ComboBox1->findText(kSingle));
}

void TSamplerForm::EnableActions(bool enable)
{
    AddAct->setEnabled(enable);
    EditAct->setEnabled(enable);
    DelAct->setEnabled(enable);
    fcDBTreeView1->setEnabled(enable);
    DBNavigator1->setEnabled(enable);
}

void TSamplerForm::AddActExecute()
{
    PageControl1->setCurrentWidget(TabSheet1);
    DBMemo1->setFocus();
    EnableActions(false);
    DM->dtUserSet->insert();
}

void TSamplerForm::EditActExecute()
{
    EnableActions(false);
    DM->dtUserSet->edit();
}

void TSamplerForm::DelActExecute()
{
    if (platform::MessageBox::confirm(QStringLiteral("Are you sure to delete this item?"),
                                      QMessageBox::Ok | QMessageBox::Cancel,
                                      QMessageBox::Ok) != QMessageBox::Ok)
        return;
    DM->dtUserSet->deleteRecord();
}

void TSamplerForm::BitBtn1Click()
{
    data::Table* table = DM->dtUserSet;
    const int type = ComboBox1->currentIndex();
    // An entry counts only while the box shows it; text typed over leaves the type alone.
    if (type >= 0 && ComboBox1->currentText() == ComboBox1->itemText(type)) {
        if (ComboBox1->itemText(type) == kSingle)
            table->setValue(QStringLiteral("Q_TYPE"), false);
        else if (ComboBox1->itemText(type) == kMultiple)
            table->setValue(QStringLiteral("Q_TYPE"), true);
    }
    table->setValue(QStringLiteral("Q_SECT"), selectedSection(ListBox1) + 1);
    table->post();
    StatusBar1->setPanelText(3, QStringLiteral(" Saved"));
    EnableActions(true);
}

void TSamplerForm::BitBtn2Click()
{
    // Enabling first lets the display of an empty set disable Edit and Delete again.
    EnableActions(true);
    DM->dtUserSet->cancel();
    StatusBar1->setPanelText(3, QString());
}

void TSamplerForm::ComboBox1Change()
{
    if (DM->dtUserSet->state() == data::TableState::Browse)
        DM->dtUserSet->edit();
}

void TSamplerForm::ListBox1Click()
{
    if (DM->dtUserSet->state() == data::TableState::Browse)
        DM->dtUserSet->edit();
}

void TSamplerForm::TabSheet2Enter()
{
    ListBox1->setFocus();
}

void TSamplerForm::PageControl1Resize()
{
    for (int n = 1; n <= 6; ++n) {
        platform::TDBEdit* edit = choiceEdit(n);
        edit->resize(ScrollBox2->width() - edit->x() - kEditGap, edit->height());
    }
}

void TSamplerForm::Emptyquestionset1Click()
{
    const QString warning =
        QStringLiteral("This action will erase all items in this question set!") +
        QLatin1Char('\n') + QStringLiteral("Are you sure?");
    if (platform::MessageBox::warn(warning, QMessageBox::Ok | QMessageBox::Cancel,
                                   QMessageBox::Ok) != QMessageBox::Ok)
        return;
    EnableActions(true);
    data::Table* table = DM->dtUserSet;
    const bool wasExclusive = table->exclusive();
    table->close();
    // Emptying needs the file to itself; from now on the sampler keeps it so.
    table->setExclusive(true);
    try {
        table->open();
        table->emptyTable();
    } catch (...) {
        // Someone else holds the file: the set stays as it was, and the window keeps working on it.
        if (!table->active()) {
            table->setExclusive(wasExclusive);
            try {
                table->open();
            } catch (...) {
                // The error that stopped the emptying is the one to report.
            }
        }
        throw;
    }
}

bool TSamplerForm::formCloseQuery()
{
    return platform::MessageBox::confirm(QStringLiteral("Are you sure to exit?"),
                                         QMessageBox::Ok | QMessageBox::Cancel,
                                         QMessageBox::Ok) == QMessageBox::Ok;
}

void TSamplerForm::formClose()
{
    if (QWidget* main = platform::Application::mainForm())
        main->show();
    EnableActions(true);
    DM->dtUserSet->close();
}

void TSamplerForm::Exit1Click()
{
    close();
}

void TSamplerForm::About1Click()
{
    // The About window belongs to the application shell, which is built on this library; it is
    // found among the program's windows by its name.
    for (QObject* form : platform::FormRegistry::all()) {
        if (form->objectName() != QLatin1String("AboutForm"))
            continue;
        if (auto* about = qobject_cast<platform::TForm*>(form))
            about->showModal();
        return;
    }
}

} // namespace dorvale
