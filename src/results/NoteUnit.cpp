#include "NoteUnit.h"

#include "exam/TestUnit.h"
#include "platform/Colours.h"
#include "platform/DBControls.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/TfcLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvale {

TNoteForm* NoteForm = nullptr;

using platform::pixelFont;

namespace {

bool editing(const data::Table& table)
{
    return table.state() == data::TableState::Edit || table.state() == data::TableState::Insert;
}

} // namespace

TNoteForm::TNoteForm()
    : TForm(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("NoteForm"));
    setWindowTitle(QStringLiteral("Quillon"));
    setFont(pixelFont("MS Sans Serif", 13));
    setFixedSize(286, 222);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(41);
    platform::fillBackground(Panel1, platform::kButtonFace);
    auto* heading = new QVBoxLayout(Panel1);
    heading->setContentsMargins(2, 3, 2, 3);
    heading->setSpacing(1);
    fcLabel1 = new platform::TfcLabel(QStringLiteral("User Note"), Panel1);
    fcLabel1->setObjectName(QStringLiteral("fcLabel1"));
    fcLabel1->setFont(pixelFont("Verdana", 13, true));
    fcLabel1->setTextColor(Qt::white);
    fcLabel1->setShadow(1);
    fcLabel1->setAlignment(Qt::AlignCenter);
    heading->addWidget(fcLabel1);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(pixelFont("MS Sans Serif", 13));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignCenter);
    heading->addWidget(Label2);
    column->addWidget(Panel1);

    DBMemo1 = new platform::TDBMemo(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setFont(pixelFont("MS Sans Serif", 13));
    DBMemo1->setDataField(QStringLiteral("U_MEMO"));
    if (TestForm)
        DBMemo1->setDataSource(TestForm->dsCurrentSet);
    // Connected after the memo's own handler, which has put the record into editing by then.
    connect(DBMemo1, &QPlainTextEdit::textChanged, this,
            platform::guard(this, &TNoteForm::DBMemo1Change));
    column->addWidget(DBMemo1, 1);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(41);
    auto button = [this](const char* name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, Panel2);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(left, 8, 75, 25);
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("Save Note"), 4);
    Button2 = button("Button2", QStringLiteral("Cancel"), 83);
    Button3 = button("Button3", QStringLiteral("Exit"), 286 - 4 - 75);
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    connect(Button1, &QPushButton::clicked, this, platform::guard(this, &TNoteForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, platform::guard(this, &TNoteForm::Button2Click));
    connect(Button3, &QPushButton::clicked, this, platform::guard(this, &TNoteForm::Button3Click));
    column->addWidget(Panel2);
}

void TNoteForm::DBMemo1Change()
{
    // The memo is also refilled when the exam moves to another item; only an edit in progress
    // has something to save or to cancel.
    const data::Table* table = TestForm ? TestForm->dtCurrentSet : nullptr;
    if (table && table->active() && editing(*table)) {
        Button1->setEnabled(true);
        Button2->setEnabled(true);
    }
}

void TNoteForm::Button1Click()
{
    data::Table* current = TestForm->dtCurrentSet;
    data::Table* bank = TestForm->dtQSet;
    current->post();
    const int item = current->asInteger(QStringLiteral("Q_OR_NUMBER"));
    const QString note = current->asString(QStringLiteral("U_MEMO"));
    bank->setRecNo(item);
    bank->edit();
    try {
        bank->setValue(QStringLiteral("U_MEMO"), note);
        bank->post();
    } catch (...) {
        // The bank keeps no edit that a later move of its cursor would post by itself.
        bank->cancel();
        throw;
    }
    ResetNoteButtons();
}

void TNoteForm::Button2Click()
{
    TestForm->dtCurrentSet->cancel();
    ResetNoteButtons();
}

void TNoteForm::Button3Click()
{
    closeWith(QDialog::Accepted);
}

void TNoteForm::formClose()
{
    // A note typed and not saved is dropped without a question.
    if (TestForm)
        TestForm->dtCurrentSet->cancel();
    ResetNoteButtons();
}

void TNoteForm::ResetNoteButtons()
{
    Button1->setEnabled(false);
    Button2->setEnabled(false);
}

void TTestForm::NoteButtonClick()
{
    NoteForm->Label2->setText(
        FExamTitle + QStringLiteral(",  ") + QStringLiteral("Item ID: ") +
        QString::number(dtCurrentSet->asInteger(QStringLiteral("Q_OR_NUMBER"))));
    NoteForm->showModal();
}

} // namespace dorvale
