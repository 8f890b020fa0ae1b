#include "ScoreUnit.h"

#include "exam/TestUnit.h"
#include "platform/BarChart.h"
#include "platform/Colours.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/ReportPrinter.h"
#include "platform/TfcLabel.h"

#include <QChartView>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace dorvale {

TScoreForm* ScoreForm = nullptr;

using platform::pixelFont;

namespace {

const QColor kNavy(0, 0, 128);

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    return line;
}

QChartView* chartView(QWidget* parent, const char* name, platform::BarChart* chart)
{
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setFocusPolicy(Qt::NoFocus);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

platform::PageFont arial(qreal points, bool bold = false, bool italic = false,
                         const QColor& colour = Qt::black)
{
    platform::PageFont font;
    font.family = QStringLiteral("Arial");
    font.size = points;
    font.bold = bold;
    font.italic = italic;
    font.color = colour;
    return font;
}

} // namespace

QString legalNotice()
{
    return QStringLiteral(u"\u00a9 2026 Quillon. All rights reserved.");
}

TScoreForm::TScoreForm()
    : TForm(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ScoreForm"));
    setWindowTitle(QStringLiteral("Quillon"));
    setFont(pixelFont("MS Sans Serif", 11));
    setFixedSize(582, 435);
    platform::fillBackground(this, platform::kButtonFace);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Heading strip.
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(33);
    auto* heading = new QVBoxLayout(Panel1);
    heading->setContentsMargins(0, 0, 0, 0);
    heading->setSpacing(0);
    fcLabel1 = new platform::TfcLabel(QStringLiteral("Examination Score Report"), Panel1);
    fcLabel1->setObjectName(QStringLiteral("fcLabel1"));
    fcLabel1->setFont(pixelFont("Verdana", 13, true));
    fcLabel1->setTextColor(Qt::white);
    fcLabel1->setShadow(1);
    fcLabel1->setAlignment(Qt::AlignCenter);
    heading->addWidget(fcLabel1, 1);
    heading->addWidget(rule(Panel1));
    column->addWidget(Panel1);

    // Total panel: the chart of the score against the required score, and the score line.
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(184);
    auto* total = new QVBoxLayout(Panel2);
    total->setContentsMargins(5, 5, 5, 5);
    total->setSpacing(0);
    platform::BarChartStyle totalStyle;
    totalStyle.axisMax = 1000;
    totalStyle.axisStep = 100;
    totalStyle.barWidth = 0.9;
    totalStyle.valueLabelFont = pixelFont("MS Sans Serif", 11);
    totalStyle.categoryLabelFont = pixelFont("MS Sans Serif", 11);
    totalStyle.titleFont = pixelFont("MS Sans Serif", 13);
    totalStyle.titleColor = kNavy;
    auto* totalChartModel = new platform::BarChart(totalStyle, QStringLiteral("Series1"));
    TotalChart = chartView(Panel2, "TotalChart", totalChartModel);
    TotalChart->setFrameShape(QFrame::Box); // a single border
    TotalChart->setLineWidth(1);
    Series1 = totalChartModel->series();
    total->addWidget(TotalChart, 1);
    auto* strip = new QWidget(Panel2);
    strip->setFixedHeight(32);
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    TotalLabel = new QLabel(strip);
    TotalLabel->setObjectName(QStringLiteral("TotalLabel"));
    TotalLabel->setFont(pixelFont("MS Sans Serif", 13, true));
    TotalLabel->setAlignment(Qt::AlignCenter);
    TotalLabel->setTextFormat(Qt::PlainText);
    stripLayout->addWidget(TotalLabel, 1);
    stripLayout->addWidget(rule(strip));
    total->addWidget(strip);
    column->addWidget(Panel2);

    // Sections area.
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    platform::BarChartStyle sectionStyle;
    sectionStyle.axisMax = 100;
    sectionStyle.axisStep = 10;
    sectionStyle.barWidth = 0.8;
    sectionStyle.valueLabelFont = pixelFont("MS Sans Serif", 11);
    sectionStyle.categoryLabelFont = pixelFont("MS Sans Serif", 11);
    sectionStyle.labelWrapWidth = 150;
    sectionStyle.background = QBrush(platform::kButtonFace);
    auto* sectionChartModel =
        new platform::BarChart(sectionStyle, QStringLiteral("HorizBarSeries1"));
    Chart1 = chartView(ScrollBox1, "Chart1", sectionChartModel);
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setBackgroundBrush(platform::kButtonFace);
    // The title stands at the top left in a frame of its own, which a chart title cannot.
    sectionChartModel->setMargins(QMargins(2, 24, 10, 2));
    Chart1Title = new QLabel(QStringLiteral(" Sections "), Chart1);
    Chart1Title->setObjectName(QStringLiteral("Chart1Title"));
    Chart1Title->setFont(pixelFont("Arial", 13, false, true));
    Chart1Title->setFrameShape(QFrame::Box);
    Chart1Title->setLineWidth(1);
    platform::fillBackground(Chart1Title, Qt::white);
    platform::setTextColour(Chart1Title, QColor(0, 0, 255));
    Chart1Title->adjustSize();
    Chart1Title->move(6, 4);
    HorizBarSeries1 = sectionChartModel->series();
    ScrollBox1->setWidget(Chart1);
    column->addWidget(ScrollBox1, 1);

    // Button row.
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(40);
    column->addWidget(Panel3);
    auto* top = rule(Panel3);
    top->setGeometry(0, 0, 582, 2);
    auto button = [this](const char* name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, Panel3);
        b->setObjectName(QLatin1String(name));
        b->setFont(pixelFont("MS Sans Serif", 13));
        b->setGeometry(left, 9, 113, 25);
        return b;
    };
    BitBtn1 = button("BitBtn1", QStringLiteral("&View Answers"), 8);
    BitBtn2 = button("BitBtn2", QStringLiteral("&Print Report"), 127);
    BitBtn3 = button("BitBtn3", QStringLiteral("E&xit Exam"), 582 - 8 - 113);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, platform::guard(this, &TScoreForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, platform::guard(this, &TScoreForm::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, platform::guard(this, &TScoreForm::BitBtn3Click));
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);

    printer_ = new platform::ReportPrinter(false, this);
    ppReport1 = scoreReportLayout();
}

platform::BarChart* TScoreForm::totalChart() const
{
    return static_cast<platform::BarChart*>(TotalChart->chart());
}

platform::BarChart* TScoreForm::sectionChart() const
{
    return static_cast<platform::BarChart*>(Chart1->chart());
}

platform::BarChartModel& TScoreForm::Series2()
{
    return ppReport1.item(QStringLiteral("ppTeeChart1")).chart;
}

platform::BarChartModel& TScoreForm::HorizBarSeries2()
{
    return ppReport1.item(QStringLiteral("ppTeeChart2")).chart;
}

platform::ReportPage scoreReportLayout()
{
    platform::ReportPage r;
    r.documentName = QStringLiteral("Score Report");
    r.paperMm = QSizeF(210, 296);
    r.marginsMm = QMarginsF(6.35, 6.35, 6.35, 6.35);
    const qreal footer = r.printableMm().height() - 25.665;

    // Header band. The banner's frame and the label of the sections are filled white and drawn
    // over the rules, which so seem to run out of them.
    r.addLine(QStringLiteral("ppLine1"), 27.252, 13.229, 155.046);
    r.addFrame(QStringLiteral("ppShape2"), QRectF(14.552, 7.144, 29.104, 9.790)).fill = Qt::white;
    r.addText(QStringLiteral("ppLabel7"), QRectF(15.346, 8.996, 27.517, 0),
              arial(16, true, true, kNavy), Qt::AlignLeft, QStringLiteral(" Quillon "));
    platform::PageItem& title =
        r.addText(QStringLiteral("ppLabel1"), QRectF(114.300, 7.673, 67.998, 0), arial(11, true),
                  Qt::AlignRight);
    // A long title grows to the left as far as the banner and is cut short there.
    title.room.setLeft(14.552 + 29.104 + 2);
    r.addText(QStringLiteral("ppSystemVariable1"), QRectF(163.195, 13.970, 19.473, 0), arial(10),
              Qt::AlignRight);
    r.addText(QStringLiteral("ppLabel5"), QRectF(76.465, 22.225, 48.948, 0), arial(11, true),
              Qt::AlignHCenter, QStringLiteral("Examination Score Report"));
    r.addFrame(QStringLiteral("ppShape1"), QRectF(15.081, 33.338, 167.482, 34.131));

    platform::BarChartModel totalModel;
    totalModel.seriesName = QStringLiteral("Series2");
    totalModel.style.axisMax = 1000;
    totalModel.style.axisStep = 100;
    totalModel.style.barWidth = 0.9;
    totalModel.style.valueLabelFont = pixelFont("Arial", 13, true);
    totalModel.style.categoryLabelFont = pixelFont("Arial", 15, true);
    r.addChart(QStringLiteral("ppTeeChart1"), QRectF(16.404, 34.925, 165.365, 31.221), totalModel);
    r.addText(QStringLiteral("ppLabel4"), QRectF(51.329, 68.527, 96.309, 0), arial(11, true),
              Qt::AlignHCenter);
    r.addLine(QStringLiteral("ppLine2"), 15.081, 90.223, 167.482);
    r.addText(QStringLiteral("ppLabel3"), QRectF(16.933, 88.106, 16.404, 0), arial(10, true),
              Qt::AlignRight, QStringLiteral(" Sections "))
        .fill = Qt::white;
    platform::BarChartModel sectionModel;
    sectionModel.seriesName = QStringLiteral("HorizBarSeries2");
    sectionModel.style.axisMax = 100;
    sectionModel.style.axisStep = 10;
    sectionModel.style.barWidth = 0.8;
    sectionModel.style.valueLabelFont = pixelFont("Arial", 12);
    sectionModel.style.categoryLabelFont = pixelFont("Arial", 12);
    r.addChart(QStringLiteral("ppTeeChart2"), QRectF(10.054, 92.604, 177.800, 45.508),
               sectionModel);

    // Footer band, at the bottom of the page.
    r.addLine(QStringLiteral("ppLine3"), 10.054, footer + 1.852, 172.509);
    r.addText(QStringLiteral("ppLabel2"), QRectF(10.054, footer + 2.381, 0, 0), arial(9),
              Qt::AlignLeft);
    r.addText(QStringLiteral("ppLabel6"), QRectF(128.059, footer + 2.381, 54.504, 0), arial(9),
              Qt::AlignRight, legalNotice());
    return r;
}

platform::ReportPage TScoreForm::pageToPrint() const
{
    platform::ReportPage page = ppReport1;
    page.item(QStringLiteral("ppSystemVariable1")).text =
        QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    return page;
}

void TScoreForm::BitBtn1Click()
{
    TTestForm* f = TestForm;
    if (!f->dtCurrentSet->active()) {
        leave(); // the exam was closed meanwhile: there is nothing to review
        return;
    }
    f->FMode = 3;
    f->ReviewControls();
    f->LearnButton->setEnabled(false);
    f->dtCurrentSet->first();
    leave();
}

void TScoreForm::BitBtn2Click()
{
    printer_->print(pageToPrint(), this);
}

void TScoreForm::BitBtn3Click()
{
    if (platform::MessageBox::confirm(QStringLiteral("Are you sure you wish to end this exam?"),
                                      QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::Yes) != QMessageBox::Yes)
        return;
    TestForm->CloseCurrentExam();
    leave();
}

void TScoreForm::leave()
{
    leaving_ = true;
    closeWith(QDialog::Accepted);
    leaving_ = false;
}

bool TScoreForm::formCloseQuery()
{
    // Without a close box the window is left only for the review or out of the exam; anything
    // else would leave a graded exam with its items hidden.
    return leaving_;
}

} // namespace dorvale
