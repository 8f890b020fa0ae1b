#pragma once

#include "platform/ReportPage.h"
#include "platform/TForm.h"

class QChartView;
class QFrame;
class QHorizontalStackedBarSeries;
class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;

namespace dorvale {

namespace platform {
class BarChart;
class ReportPrinter;
class TfcLabel;
} // namespace platform

// The result of a grading: the total chart with the score line, the section chart, and the
// printed score report with the same content. It is left only for the answers review or out of
// the exam.
class TScoreForm : public platform::TForm {
    Q_OBJECT

public:
    TScoreForm();

    QWidget* Panel1 = nullptr; // heading strip
    platform::TfcLabel* fcLabel1 = nullptr;
    QWidget* Panel2 = nullptr; // total panel
    QChartView* TotalChart = nullptr;
    QHorizontalStackedBarSeries* Series1 = nullptr;
    QLabel* TotalLabel = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QChartView* Chart1 = nullptr;
    QLabel* Chart1Title = nullptr; // " Sections ", framed, at the chart's top left
    QHorizontalStackedBarSeries* HorizBarSeries1 = nullptr;
    QWidget* Panel3 = nullptr; // button row
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    // The printed score report.
    platform::ReportPage ppReport1;

    platform::BarChart* totalChart() const;
    platform::BarChart* sectionChart() const;
    // The report's chart models, filled with the window's charts.
    platform::BarChartModel& Series2();
    platform::BarChartModel& HorizBarSeries2();

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // The page as it is printed now: the report with the date of printing.
    platform::ReportPage pageToPrint() const;

protected:
    bool formCloseQuery() override;

private:
    void leave();

    platform::ReportPrinter* printer_ = nullptr;
    bool leaving_ = false;
};

extern TScoreForm* ScoreForm;

// The maker's legal notice in the printed reports' footers.
QString legalNotice();

// The score report's page as designed, its results still empty.
platform::ReportPage scoreReportLayout();

} // namespace dorvale
