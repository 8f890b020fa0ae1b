#pragma once

#include <QBrush>
#include <QChart>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPen>
#include <QString>

class QBarCategoryAxis;
class QHorizontalStackedBarSeries;
class QValueAxis;

namespace dorvale::platform {

// One bar: its category label, its length and its own colour.
struct BarPoint {
    QString label;
    double value = 0;
    QColor color;

    bool operator==(const BarPoint&) const = default;
};

// The look of a horizontal bar chart, the same on screen and on paper. Sizes are pixels of the
// 96-dpi screen the charts were designed on.
struct BarChartStyle {
    double axisMin = 0;
    double axisMax = 100;
    double axisStep = 10;
    double barWidth = 0.8; // share of the category's slot
    QFont valueLabelFont;
    QFont categoryLabelFont;
    int labelWrapWidth = 0; // category labels break at blanks to this width; 0 keeps one line
    QBrush background = QBrush(Qt::white);
    QPen border = QPen(Qt::NoPen);
    QFont titleFont;
    QColor titleColor = Qt::black;
};

// What a chart shows: its look, its title, and its points (the first is drawn at the bottom).
struct BarChartModel {
    QString seriesName;
    BarChartStyle style;
    QString title;
    QList<BarPoint> points;
};

// A horizontal bar chart with a fixed value axis, a category axis and one series whose points
// each carry their own colour. A bar series colours by bar set, so every point is a set of its
// own in a stacked series: the set has the point's value in the point's category and nothing in
// the others, and the bars stand in their slots as a plain bar series would draw them.
class BarChart : public QChart {
    Q_OBJECT

public:
    BarChart(const BarChartStyle& style, const QString& seriesName);

    const BarChartStyle& style() const { return style_; }
    QHorizontalStackedBarSeries* series() const { return series_; }
    QBarCategoryAxis* categoryAxis() const { return categories_; }
    QValueAxis* valueAxis() const { return values_; }

    // The chart's title as given; it is shown as plain text.
    void setPlainTitle(const QString& title);
    QString plainTitle() const { return title_; }

    void clearPoints();
    void addPoint(const BarPoint& point);
    const QList<BarPoint>& points() const { return points_; }

    // The category label as the axis shows it: broken into lines at the style's wrap width.
    QString shownLabel(const QString& label) const;

    // A chart built from a model, for drawing it somewhere other than a window.
    static BarChart* fromModel(const BarChartModel& model);

private:
    BarChartStyle style_;
    QHorizontalStackedBarSeries* series_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    QValueAxis* values_ = nullptr;
    QList<BarPoint> points_;
    QString title_;
};

// Text as the charts' rich-text labels show it literally.
QString chartPlainText(const QString& text);

} // namespace dorvale::platform
