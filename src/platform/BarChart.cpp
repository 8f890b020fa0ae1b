#include "BarChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QValueAxis>

namespace dorvale::platform {

QString chartPlainText(const QString& text)
{
    // The charts take their texts as HTML; only these characters would be read as markup.
    QString plain = text;
    plain.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    plain.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    plain.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    // HTML folds a run of blanks into one; the texts count their blanks.
    plain.replace(QLatin1String("  "), QLatin1String(" &nbsp;"));
    return plain;
}

BarChart::BarChart(const BarChartStyle& style, const QString& seriesName)
    : style_(style)
{
    legend()->hide();
    setBackgroundBrush(style_.background);
    setBackgroundPen(style_.border);
    setBackgroundRoundness(0);
    setPlotAreaBackgroundVisible(false); // the back wall is transparent
    setTitleFont(style_.titleFont);
    setTitleBrush(style_.titleColor);
    setAnimationOptions(QChart::NoAnimation);
    // The plot takes the chart's whole area, as in the designed charts.
    setMargins(QMargins(2, 2, 10, 2));
    layout()->setContentsMargins(0, 0, 0, 0);

    series_ = new QHorizontalStackedBarSeries(this);
    series_->setObjectName(seriesName);
    series_->setBarWidth(style_.barWidth);
    series_->setLabelsVisible(false); // no marks beside the bars
    addSeries(series_);

    categories_ = new QBarCategoryAxis(this);
    categories_->setLabelsFont(style_.categoryLabelFont);
    categories_->setLabelsColor(Qt::black);
    categories_->setGridLineVisible(false);
    categories_->setMinorGridLineVisible(false);
    categories_->setTruncateLabels(false);
    addAxis(categories_, Qt::AlignLeft);
    series_->attachAxis(categories_);

    values_ = new QValueAxis(this);
    values_->setRange(style_.axisMin, style_.axisMax);
    values_->setTickType(QValueAxis::TicksFixed);
    values_->setTickCount(int((style_.axisMax - style_.axisMin) / style_.axisStep) + 1);
    values_->setMinorTickCount(0);
    values_->setLabelFormat(QStringLiteral("%.0f"));
    values_->setLabelsFont(style_.valueLabelFont);
    values_->setLabelsColor(Qt::black);
    addAxis(values_, Qt::AlignBottom);
    series_->attachAxis(values_);
}

void BarChart::setPlainTitle(const QString& title)
{
    title_ = title;
    setTitle(chartPlainText(title));
}

void BarChart::clearPoints()
{
    series_->clear();
    categories_->clear();
    points_.clear();
}

void BarChart::addPoint(const BarPoint& point)
{
    const qsizetype index = points_.size();
    points_.append(point);
    // Every set holds one value per category.
    for (QBarSet* set : series_->barSets())
        set->append(0.0);
    auto* set = new QBarSet(point.label);
    for (qsizetype i = 0; i < index; ++i)
        set->append(0.0);
    set->append(point.value);
    set->setColor(point.color);
    set->setBorderColor(point.color);
    set->setPen(QPen(Qt::NoPen)); // an empty bar leaves no trace in the other slots
    series_->append(set);
    // The axis keeps one of equal categories; every point needs its own.
    QString category = shownLabel(point.label);
    while (categories_->categories().contains(category))
        category += QChar(0x200B);
    categories_->append(category);
}

QString BarChart::shownLabel(const QString& label) const
{
    QString shown = chartPlainText(label);
    if (style_.labelWrapWidth <= 0)
        return shown;
    // Breaks at blanks, as the labels of the designed charts wrapped.
    const QFontMetricsF metrics(style_.categoryLabelFont);
    const QStringList words = label.split(QLatin1Char(' '));
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > style_.labelWrapWidth) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    if (lines.size() == 1)
        return shown;
    for (QString& l : lines)
        l = chartPlainText(l);
    // The lines of a wrapped label stand right-aligned against the axis, as one-line labels do.
    return QStringLiteral("<div align=\"right\">") + lines.join(QLatin1String("<br>")) +
           QStringLiteral("</div>");
}

BarChart* BarChart::fromModel(const BarChartModel& model)
{
    auto* chart = new BarChart(model.style, model.seriesName);
    chart->setPlainTitle(model.title);
    for (const BarPoint& point : model.points)
        chart->addPoint(point);
    return chart;
}

} // namespace dorvale::platform
