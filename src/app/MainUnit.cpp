#include "MainUnit.h"

#include "exam/AnswerSheet.h"
#include "exam/TestUnit.h"
#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/TfcShapeBtn.h"
#include "sampler/Rep1Unit.h"
#include "sampler/SamplerUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dorvale {

TMainForm* MainForm = nullptr;

namespace {

platform::TfcShapeBtn* shapeButton(QWidget* parent, const char* name, const QString& caption,
                                   const QColor& color, int top)
{
    auto* button = new platform::TfcShapeBtn(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setColor(color);
    button->setRoundRectBias(15);
    button->setFont(platform::pixelFont("MS Sans Serif", 13));
    button->setGeometry(47, top, 138, 34);
    return button;
}

} // namespace

TMainForm::TMainForm()
    : TForm(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("MainForm"));
    platform::fillBackground(this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2); // the window's border width
    layout->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* header = new QVBoxLayout(Panel1);
    header->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/banner.svg")));
    Image1->setFixedSize(221, 48);
    header->addWidget(Image1, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(Panel1);

    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedSize(232, 148);
    Shape1 = new QFrame(Panel3);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(1);
    platform::setTextColour(Shape1, QColor(0, 0, 255)); // the frame's pen
    Shape1->setGeometry(4, 4, 232 - 8, 148 - 8);        // inside the panel's border of 4
    StartTestBtn = shapeButton(Panel3, "StartTestBtn", QStringLiteral("Start &Testing"),
                               QColor(0, 0, 128), 14);
    SamplerBtn =
        shapeButton(Panel3, "SamplerBtn", QStringLiteral("Test &Sampler"), QColor(0, 0, 128), 50);
    fcShapeBtn3 =
        shapeButton(Panel3, "fcShapeBtn3", QStringLiteral("E&xit"), QColor(0, 128, 128), 102);
    layout->addWidget(Panel3);

    connect(StartTestBtn, &QPushButton::clicked, this,
            platform::guard(this, &TMainForm::StartTestBtnClick));
    connect(SamplerBtn, &QPushButton::clicked, this,
            platform::guard(this, &TMainForm::SamplerBtnClick));
    connect(fcShapeBtn3, &QPushButton::clicked, this,
            platform::guard(this, &TMainForm::fcShapeBtn3Click));

    platform::guarded([this] { FormCreate(); });
}

void TMainForm::FormCreate()
{
    // Tables and exhibit pictures are found by their bare names in the program's folder,
    // whatever folder the program was started from.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    setWindowTitle(QStringLiteral("Dorvale 4.0"));
    SamplerBtn->setColor(QColor(128, 0, 128));
    // Sized to the header and the button box.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMainForm::StartTestBtnClick()
{
    hide();
    TestForm->showModal();
}

void TMainForm::SamplerBtnClick()
{
    hide();
    SamplerForm->ListBox1->clear();
    for (const QString& name : SectionNames)
        SamplerForm->ListBox1->addItem(name);
    try {
        DM->dtUserSet->open();
    } catch (...) {
        // Without its question set the sampler cannot work; the user gets the start window back.
        show();
        throw;
    }
    SamplerForm->PageControl1->setCurrentWidget(SamplerForm->TabSheet1);
    SamplerForm->showModal();
}

void TMainForm::fcShapeBtn3Click()
{
    close();
}

void TMainForm::formClose()
{
    emit runEnded();
}

} // namespace dorvale
