#pragma once

#include "BarChart.h"

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace dorvale::platform {

// A font of a printed page: a size in points, or in pixels of the 96-dpi screen a report was
// designed on.
struct PageFont {
    QString family = QStringLiteral("Arial");
    qreal size = 10;
    bool pixels = false;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;

    // The font's size in millimetres.
    qreal sizeMm() const { return size * 25.4 / (pixels ? 96.0 : 72.0); }
};

// 0.75 pt, the width of the reports' rules and frames.
inline constexpr qreal kRuleWidthMm = 0.75 * 25.4 / 72.0;

enum class PageItemKind { Text, Memo, Line, Frame, Chart };

// One element of a page. Positions are millimetres from the top left corner of the printable
// area (the page inside its margins).
struct PageItem {
    PageItemKind kind = PageItemKind::Text;
    QString name;
    QRectF rect;

    // Text: one line, placed by its alignment within rect's width, growing beyond it sideways
    // as far as room allows (elided past that). Memo: paragraphs at '\n', each wrapped at word
    // boundaries within rect's width, clipped to rect.
    QString text;
    PageFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    QRectF room;

    // Line (from rect's top left, rect's width long) and frame (rect).
    qreal penWidthMm = kRuleWidthMm;
    // What a text or a frame covers of the elements drawn before it; none when invalid.
    QColor fill;

    BarChartModel chart;
};

// One printed page: its paper, margins and elements, painted in the order they were added.
class ReportPage {
public:
    QString documentName;
    QSizeF paperMm{210, 297};
    QMarginsF marginsMm{6.35, 6.35, 6.35, 6.35};
    QList<PageItem> items;

    QSizeF printableMm() const;
    // The element of a name; an error when the page has none.
    PageItem& item(const QString& name);
    const PageItem& item(const QString& name) const;
    bool has(const QString& name) const;

    PageItem& addText(const QString& name, const QRectF& rect, const PageFont& font,
                      Qt::Alignment alignment, const QString& text = QString());
    PageItem& addMemo(const QString& name, const QRectF& rect, const PageFont& font,
                      const QString& text = QString());
    PageItem& addLine(const QString& name, qreal left, qreal top, qreal width);
    PageItem& addFrame(const QString& name, const QRectF& rect);
    PageItem& addChart(const QString& name, const QRectF& rect, const BarChartModel& chart);
};

// Paints a page. The painter's origin is the top left corner of the paper; pixelsPerMm converts
// millimetres into the painter's units.
void renderPage(QPainter& painter, const ReportPage& page, qreal pixelsPerMm);

// What a memo's text takes when wrapped at a width, in millimetres: its height, and the
// height of one line of the font.
qreal memoHeightMm(const QString& text, const PageFont& font, qreal widthMm);
qreal lineHeightMm(const PageFont& font);
// The width of one line of text.
qreal textWidthMm(const QString& text, const PageFont& font);
// Where a one-line text item is drawn: its rect grown by its alignment to the text's width and
// kept within its room.
QRectF placedTextMm(const PageItem& item);

} // namespace dorvale::platform
