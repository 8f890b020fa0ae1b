// Grading: the grade command, the score and grade computed from the answer sheet, and the
// results written into the score window and its printed report.

#include "Scoring.h"

#include "ScoreUnit.h"
#include "exam/TestUnit.h"
#include "platform/BarChart.h"
#include "platform/MessageBox.h"
#include "platform/TfcLabel.h"
#include "platform/TimeCounter.h"
#include "platform/TimeFormat.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace dorvale {

std::array<TSectionTally, 6> SectionTally{};

namespace {

const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

} // namespace

TotalScore totalScore(const std::vector<TItemAnswer>& sheet)
{
    TotalScore total;
    total.items = qint32(sheet.size());
    for (const TItemAnswer& entry : sheet)
        total.correct += entry.Correct == 1 ? 1 : 0;
    if (total.items == 0)
        return total; // no items: score 0, "Fail", and nothing is divided
    total.score = (static_cast<long double>(ScoreScale) / total.items) * total.correct;
    total.pass = qint64(ScoreScale) * total.correct >= qint64(PassingScore) * total.items;
    total.shown = platform::roundHalfEven(total.score);
    return total;
}

void tallySections(const std::vector<TItemAnswer>& sheet, std::array<TSectionTally, 6>& tally)
{
    tally.fill(TSectionTally{});
    for (const TItemAnswer& entry : sheet) {
        // One comparison keeps out sections below 1 and above 6.
        const auto row = static_cast<quint32>(entry.Section) - 1u;
        if (row >= 6u)
            continue;
        ++tally[row].total;
        tally[row].correct += entry.Correct == 1 ? 1 : 0;
    }
    for (TSectionTally& row : tally) {
        if (row.total == 0 || row.correct == 0)
            continue;
        const long double quotient = static_cast<long double>(row.correct) / row.total;
        row.percent = qint32(platform::roundHalfEven(quotient * PercentFactor));
    }
}

QString gradeWord(bool pass)
{
    return pass ? QStringLiteral("Pass") : QStringLiteral("Fail");
}

QString scoreLine(const TotalScore& total)
{
    return QStringLiteral("Passing Score: ") + QString::number(PassingScore) +
           QStringLiteral("   Your Score: ") + QString::number(total.shown) +
           QStringLiteral("   Grade: ") + gradeWord(total.pass);
}

QString sectionLabel(int section, const TSectionTally& row)
{
    return SectionNames[size_t(section - 1)] + QStringLiteral(" (") + QString::number(row.correct) +
           QStringLiteral("/") + QString::number(row.total) + QStringLiteral(") ");
}

void TTestForm::GradeButtonClick()
{
    if (FMode == 3) {
        ShowScoreReport();
        return;
    }
    // The count-down runs on while the question is open: if its expiry graded the exam in the
    // meantime, the answer finds the exam graded or closed and does nothing more.
    if (FMode == 1 &&
        platform::MessageBox::confirm(
            QStringLiteral("This will end your practice exam.\nAre you sure to end this exam?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok &&
        FMode == 1)
        ShowScoreReport();
}

void TTestForm::ShowScoreReport()
{
    if (FMode == 1) {
        // Grading can start from the expiry question over another window of the exam (a note
        // being typed, the items review, an exhibit): that window closes first, as if the user
        // closed it, so no edit is left pending behind the score window.
        while (QWidget* above = QApplication::activeModalWidget()) {
            if (above == this || !above->close())
                break;
        }
        FillTotalScore();
        FillSectionScores();
        ScrollBox1->hide();
        GradeButton->setText(QStringLiteral("Score Report"));
        TimeLabel->hide();
        Timer1->setEnabled(false); // no expiry question after grading
    }
    ScoreForm->showModal();
}

void TTestForm::FillTotalScore()
{
    const TotalScore total = totalScore(ItemAnswers);

    platform::BarChart* chart = ScoreForm->totalChart();
    platform::BarChartModel& printed = ScoreForm->Series2();
    chart->clearPoints();
    printed.points.clear();
    const platform::BarPoint points[] = {
        {QStringLiteral("Your score"), double(total.score), kGreen},
        {QStringLiteral("Required score"), double(PassingScore), kBlue},
    };
    for (const platform::BarPoint& point : points) {
        chart->addPoint(point);
        printed.points.append(point);
    }

    const QString title = FCandidateName + QStringLiteral(",  ") + QStringLiteral("Dorvale 4.0") +
                          QStringLiteral(",  ") + FExamTitle;
    chart->setPlainTitle(QString());
    chart->setPlainTitle(title);
    ScoreForm->ppReport1.item(QStringLiteral("ppLabel1")).text = title;
    ScoreForm->ppReport1.item(QStringLiteral("ppLabel2")).text = QStringLiteral("Dorvale 4.0");

    const QString line = scoreLine(total);
    ScoreForm->TotalLabel->setText(line);
    ScoreForm->ppReport1.item(QStringLiteral("ppLabel4")).text = line;
}

void TTestForm::FillSectionScores()
{
    platform::BarChart* chart = ScoreForm->sectionChart();
    platform::BarChartModel& printed = ScoreForm->HorizBarSeries2();
    chart->clearPoints();
    printed.points.clear();
    tallySections(ItemAnswers, SectionTally);
    // Section 6 first: the first point is drawn at the bottom, so "Planning" comes on top.
    for (int s = 6; s >= 1; --s) {
        const TSectionTally& row = SectionTally[size_t(s - 1)];
        const platform::BarPoint point{sectionLabel(s, row), double(row.percent), kRed};
        chart->addPoint(point);
        printed.points.append(point);
    }
}

} // namespace dorvale
