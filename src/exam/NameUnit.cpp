#include "NameUnit.h"

#include "TestUnit.h"
#include "platform/ErrorBox.h"
#include "platform/TSpinEdit.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace dorvale {

TNameForm* NameForm = nullptr;

TNameForm::TNameForm()
    : TForm(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("NameForm"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(305, 204);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setGeometry(105, 8, 192, 18);

    Label3 = new QLabel(QStringLiteral("Your Name: "), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(16, 44, 120, 18);
    NameEdit = new QLineEdit(QStringLiteral("Your Name"), this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setGeometry(16, 62, 273, 24);
    Label3->setBuddy(NameEdit);

    Label2 = new QLabel(QStringLiteral("Time (min):"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 100, 120, 18);
    SpinEdit1 = new platform::TSpinEdit(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 600);
    SpinEdit1->setValue(90);
    SpinEdit1->setGeometry(16, 118, 80, 24);
    Label2->setBuddy(SpinEdit1);

    Label4 = new QLabel(QStringLiteral("Number of questions:"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label4->setGeometry(120, 100, 169, 18);
    SpinEdit2 = new platform::TSpinEdit(this);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setMinimum(1);
    SpinEdit2->setGeometry(209, 118, 80, 24);
    Label4->setBuddy(SpinEdit2);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 154, 289, 2);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(126, 166, 80, 28);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(213, 166, 80, 28);
    setCancelButton(BitBtn2);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        platform::guarded([this] { BitBtn1Click(); });
        closeWith(Accepted);
    });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { closeWith(Rejected); });
}

void TNameForm::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    platform::guarded([this] { FormActivate(); });
}

void TNameForm::FormActivate()
{
    Label1->setText(QStringLiteral("Date: ") +
                    QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    NameEdit->setFocus();
    NameEdit->selectAll();
}

void TNameForm::BitBtn1Click()
{
    TestForm->FCandidateName = NameEdit->text();
    // An entry outside the range is brought to the nearer bound.
    SpinEdit1->setValue(SpinEdit1->currentValue());
    SpinEdit2->setValue(SpinEdit2->currentValue());
    TestForm->FTimeLimit = SpinEdit1->value() / 1440.0;
}

} // namespace dorvale
