#include "AboutUnit.h"

#include "platform/Colours.h"
#include "platform/TURLLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace dorvale {

TAboutForm* AboutForm = nullptr;

const QString TAboutForm::kWebAddress = QStringLiteral("https://quillon.example/dorvale");

namespace {

constexpr int kClientWidth = 310;
constexpr int kClientHeight = 233;

QFont noticeFont()
{
    return QFont(QStringLiteral("MS Sans Serif"), 10);
}

QLabel* noticeLine(QWidget* parent, const char* name, const QString& text, int top)
{
    auto* line = new QLabel(text, parent);
    line->setObjectName(QLatin1String(name));
    line->setFont(noticeFont());
    line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    line->setGeometry(0, top, kClientWidth, 18);
    return line;
}

} // namespace

TAboutForm::TAboutForm()
    : TForm(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About Quillon"));
    setFixedSize(kClientWidth, kClientHeight);
    platform::fillBackground(this, Qt::white);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientWidth, 48 + 2 * 8);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/banner.svg")));
    Image1->setGeometry((kClientWidth - 221) / 2, 8, 221, 48);

    Label1 = noticeLine(this, "Label1", QStringLiteral("Dorvale 4.0 practice exams"), 78);
    Label2 = noticeLine(this, "Label2", QStringLiteral("Copyright (c) 2026 Quillon."), 96);
    Label3 = noticeLine(this, "Label3", QStringLiteral("All rights reserved."), 114);

    URLLabel1 = new platform::TURLLabel(this);
    URLLabel1->setObjectName(QStringLiteral("URLLabel1"));
    URLLabel1->setURL(kWebAddress);
    URLLabel1->setText(kWebAddress);
    QFont normal = noticeFont();
    URLLabel1->setFont(normal);
    URLLabel1->setTextColor(QColor(0, 0, 128));
    QFont hover = normal;
    hover.setUnderline(true);
    URLLabel1->setHiFont(hover, QColor(0, 0, 255));
    // As wide as its text, so the hand shows over the address only.
    URLLabel1->adjustSize();
    URLLabel1->move((kClientWidth - URLLabel1->width()) / 2, 144);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 184, kClientWidth - 16, 2);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(kClientWidth - 8 - 75, 197, 75, 25);
    BitBtn1->setDefault(true);
    setCancelButton(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { closeWith(QDialog::Accepted); });
}

void TAboutForm::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    if (!event->spontaneous())
        centreOnScreen();
}

} // namespace dorvale
