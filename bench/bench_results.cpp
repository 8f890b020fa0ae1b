// Grading an answer sheet of 100,000 items against a plain loop over the same bytes; building
// and rendering the score report's page to PDF against painting its texts with QPainter alone.

#include "TestSupport.h"
#include "app/Program.h"
#include "exam/AnswerSheet.h"
#include "platform/ReportPage.h"
#include "platform/ReportPrinter.h"
#include "results/ScoreUnit.h"
#include "results/Scoring.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace dorvale;

namespace {

constexpr int kItems = 100000;

std::vector<TItemAnswer> sheet()
{
    std::vector<TItemAnswer> answers(kItems);
    for (int i = 0; i < kItems; ++i) {
        answers[size_t(i)].Correct = i % 7 != 0;
        answers[size_t(i)].Section = 1 + i % 6;
    }
    return answers;
}

void grading(benchmark::State& state)
{
    const std::vector<TItemAnswer> answers = sheet();
    std::array<TSectionTally, 6> tally{};
    for (auto _ : state) {
        const TotalScore total = totalScore(answers);
        tallySections(answers, tally);
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(tally);
    }
}

void plainLoop(benchmark::State& state)
{
    const std::vector<TItemAnswer> answers = sheet();
    for (auto _ : state) {
        qint64 correct = 0;
        qint64 sections = 0;
        for (const TItemAnswer& entry : answers) {
            correct += entry.Correct;
            sections += entry.Section;
        }
        benchmark::DoNotOptimize(correct);
        benchmark::DoNotOptimize(sections);
    }
}

QString pdfPath()
{
    static QTemporaryDir dir;
    return dir.filePath("bench.pdf");
}

platform::ReportPage filledReport()
{
    platform::ReportPage page = scoreReportLayout();
    page.item("ppLabel1").text = "Kim Lee,  Dorvale 4.0,  Practice Exam C";
    page.item("ppLabel4").text = "Passing Score: 850   Your Score: 862   Grade: Pass";
    page.item("ppLabel2").text = "Dorvale 4.0";
    page.item("ppSystemVariable1").text = "12/11/26";
    page.item("ppTeeChart1").chart.points = {{"Your score", 862.5, QColor(0, 128, 0)},
                                             {"Required score", 850, QColor(0, 0, 255)}};
    QList<platform::BarPoint>& sections = page.item("ppTeeChart2").chart.points;
    for (int s = 6; s >= 1; --s)
        sections.append({SectionNames[size_t(s - 1)] + QString(" (%1/9) ").arg(s + 3),
                         11.0 * (s + 3), QColor(255, 0, 0)});
    return page;
}

void reportToPdf(benchmark::State& state)
{
    for (auto _ : state) {
        const platform::ReportPage page = filledReport();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath());
        printer.setPageSize(QPageSize(QPageSize::A4));
        platform::printPage(page, printer);
    }
}

void textsWithPainter(benchmark::State& state)
{
    // The report's texts at their places, drawn with no page model, no layout and no charts.
    const platform::ReportPage page = filledReport();
    QList<std::pair<QPointF, QString>> texts;
    QList<QFont> fonts;
    for (const platform::PageItem& item : page.items) {
        if (item.kind != platform::PageItemKind::Text)
            continue;
        texts.append({item.rect.topLeft(), item.text});
        QFont font(item.font.family);
        font.setPointSizeF(item.font.size);
        font.setBold(item.font.bold);
        font.setItalic(item.font.italic);
        fonts.append(font);
    }
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath());
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        QPainter painter(&printer);
        const qreal dots = printer.resolution() / 25.4;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            painter.setFont(fonts[i]);
            painter.drawText((texts[i].first + QPointF(6.35, 10.35)) * dots, texts[i].second);
        }
    }
}

} // namespace

BENCHMARK(plainLoop)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(grading)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(textsWithPainter)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(reportToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initApplication(app); // the fonts the report asks for
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
