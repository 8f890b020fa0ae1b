#include "ReportPage.h"

#include "data/Error.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <memory>

namespace dorvale::platform {

namespace {

// Pages are laid out in hundredths of a millimetre, whatever the device: text measured for a
// page wraps the same on screen, in a PDF file and on any printer.
constexpr qreal kUnitsPerMm = 100;
constexpr qreal kChartPixelsPerMm = 96 / 25.4;

// A font in layout units. Pixel sizes are whole numbers, so the font is drawn scaled by factor
// to reach the exact size.
struct LayoutFont {
    QFont font;
    qreal factor = 1;
};

LayoutFont layoutFont(const PageFont& pageFont)
{
    const qreal exact = pageFont.sizeMm() * kUnitsPerMm;
    const int pixels = qMax(1, qRound(exact));
    QFont font(pageFont.family);
    font.setPixelSize(pixels);
    font.setBold(pageFont.bold);
    font.setItalic(pageFont.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return {font, exact / pixels};
}

// Lays out one paragraph wrapped at width (in the font's own units); calls draw for each line.
template <typename Fn>
int layParagraph(const QString& paragraph, const QFont& font, qreal width, Fn&& each)
{
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    if (lines == 0)
        lines = 1; // an empty paragraph is an empty line
    each(layout);
    return lines;
}

void drawMemo(QPainter& painter, const PageItem& item)
{
    const LayoutFont lf = layoutFont(item.font);
    const QFontMetricsF metrics(lf.font);
    const qreal width = item.rect.width() * kUnitsPerMm / lf.factor;
    painter.save();
    painter.setClipRect(QRectF(item.rect.topLeft() * kUnitsPerMm, item.rect.size() * kUnitsPerMm));
    painter.translate(item.rect.topLeft() * kUnitsPerMm);
    painter.scale(lf.factor, lf.factor);
    painter.setPen(item.font.color);
    painter.setFont(lf.font);
    qreal y = 0;
    const qreal clipBottom = item.rect.height() * kUnitsPerMm / lf.factor;
    for (const QString& paragraph : item.text.split(QLatin1Char('\n'))) {
        if (y > clipBottom)
            break;
        const int lines = layParagraph(paragraph, lf.font, width, [&](QTextLayout& layout) {
            for (int i = 0; i < layout.lineCount(); ++i)
                layout.lineAt(i).setPosition(QPointF(0, y + i * metrics.lineSpacing()));
            layout.draw(&painter, QPointF());
        });
        y += lines * metrics.lineSpacing();
    }
    painter.restore();
}

void drawText(QPainter& painter, const PageItem& item)
{
    const LayoutFont lf = layoutFont(item.font);
    const QFontMetricsF metrics(lf.font);
    const QRectF placed = placedTextMm(item);
    const qreal width = placed.width() * kUnitsPerMm / lf.factor;
    QString shown = item.text;
    if (metrics.horizontalAdvance(shown) > width + 0.5)
        shown = metrics.elidedText(shown, Qt::ElideRight, width);
    // Within its place the text keeps its alignment.
    const qreal spare = width - metrics.horizontalAdvance(shown);
    qreal x = 0;
    if (item.alignment & Qt::AlignRight)
        x = spare;
    else if (item.alignment & Qt::AlignHCenter)
        x = spare / 2;
    if (item.fill.isValid())
        painter.fillRect(QRectF(placed.topLeft() * kUnitsPerMm, placed.size() * kUnitsPerMm),
                         item.fill);
    painter.save();
    painter.translate(placed.topLeft() * kUnitsPerMm);
    painter.scale(lf.factor, lf.factor);
    painter.setPen(item.font.color);
    painter.setFont(lf.font);
    painter.drawText(QPointF(std::max(0.0, x), metrics.ascent()), shown);
    painter.restore();
}

void drawChart(QPainter& painter, const PageItem& item)
{
    // The chart is laid out at the size it had on the designer's screen and drawn scaled into
    // its place, so its fonts keep their proportions on paper.
    QGraphicsScene scene;
    BarChart* chart = BarChart::fromModel(item.chart);
    scene.addItem(chart); // the scene owns it
    const QSizeF pixels = item.rect.size() * kChartPixelsPerMm;
    chart->resize(pixels);
    scene.setSceneRect(QRectF(QPointF(), pixels));
    scene.render(&painter,
                 QRectF(item.rect.topLeft() * kUnitsPerMm, item.rect.size() * kUnitsPerMm),
                 QRectF(QPointF(), pixels), Qt::IgnoreAspectRatio);
}

} // namespace

QSizeF ReportPage::printableMm() const
{
    return {paperMm.width() - marginsMm.left() - marginsMm.right(),
            paperMm.height() - marginsMm.top() - marginsMm.bottom()};
}

PageItem& ReportPage::item(const QString& name)
{
    for (PageItem& i : items) {
        if (i.name == name)
            return i;
    }
    throw Error(QStringLiteral("The report '%1' has no element '%2'.").arg(documentName, name));
}

const PageItem& ReportPage::item(const QString& name) const
{
    return const_cast<ReportPage*>(this)->item(name);
}

bool ReportPage::has(const QString& name) const
{
    for (const PageItem& i : items) {
        if (i.name == name)
            return true;
    }
    return false;
}

PageItem& ReportPage::addText(const QString& name, const QRectF& rect, const PageFont& font,
                              Qt::Alignment alignment, const QString& text)
{
    PageItem i;
    i.kind = PageItemKind::Text;
    i.name = name;
    i.rect = rect;
    i.font = font;
    i.alignment = alignment;
    i.text = text;
    i.room = QRectF(0, rect.top(), printableMm().width(), rect.height());
    items.append(i);
    return items.last();
}

PageItem& ReportPage::addMemo(const QString& name, const QRectF& rect, const PageFont& font,
                              const QString& text)
{
    PageItem& i = addText(name, rect, font, Qt::AlignLeft, text);
    i.kind = PageItemKind::Memo;
    i.room = rect;
    return i;
}

PageItem& ReportPage::addLine(const QString& name, qreal left, qreal top, qreal width)
{
    PageItem i;
    i.kind = PageItemKind::Line;
    i.name = name;
    i.rect = QRectF(left, top, width, 0);
    items.append(i);
    return items.last();
}

PageItem& ReportPage::addFrame(const QString& name, const QRectF& rect)
{
    PageItem i;
    i.kind = PageItemKind::Frame;
    i.name = name;
    i.rect = rect;
    items.append(i);
    return items.last();
}

PageItem& ReportPage::addChart(const QString& name, const QRectF& rect, const BarChartModel& chart)
{
    PageItem i;
    i.kind = PageItemKind::Chart;
    i.name = name;
    i.rect = rect;
    i.chart = chart;
    items.append(i);
    return items.last();
}

void renderPage(QPainter& painter, const ReportPage& page, qreal pixelsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(page.marginsMm.left() * pixelsPerMm, page.marginsMm.top() * pixelsPerMm);
    painter.scale(pixelsPerMm / kUnitsPerMm, pixelsPerMm / kUnitsPerMm);
    for (const PageItem& item : page.items) {
        // An element cut down to nothing (a section pushed off the page) is not drawn.
        if (item.kind != PageItemKind::Text && item.rect.width() <= 0)
            continue;
        if (item.kind == PageItemKind::Memo && item.rect.height() <= 0)
            continue;
        switch (item.kind) {
        case PageItemKind::Text:
            drawText(painter, item);
            break;
        case PageItemKind::Memo:
            drawMemo(painter, item);
            break;
        case PageItemKind::Line: {
            QPen pen(Qt::black, item.penWidthMm * kUnitsPerMm, Qt::SolidLine, Qt::FlatCap);
            painter.setPen(pen);
            const QPointF from = item.rect.topLeft() * kUnitsPerMm;
            painter.drawLine(from, from + QPointF(item.rect.width() * kUnitsPerMm, 0));
            break;
        }
        case PageItemKind::Frame: {
            QPen pen(Qt::black, item.penWidthMm * kUnitsPerMm, Qt::SolidLine, Qt::SquareCap,
                     Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(
                QRectF(item.rect.topLeft() * kUnitsPerMm, item.rect.size() * kUnitsPerMm));
            break;
        }
        case PageItemKind::Chart:
            drawChart(painter, item);
            break;
        }
    }
    painter.restore();
}

qreal lineHeightMm(const PageFont& font)
{
    const LayoutFont lf = layoutFont(font);
    return QFontMetricsF(lf.font).lineSpacing() * lf.factor / kUnitsPerMm;
}

qreal memoHeightMm(const QString& text, const PageFont& font, qreal widthMm)
{
    const LayoutFont lf = layoutFont(font);
    const qreal width = widthMm * kUnitsPerMm / lf.factor;
    int lines = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        lines += layParagraph(paragraph, lf.font, width, [](QTextLayout&) {});
    return lines * QFontMetricsF(lf.font).lineSpacing() * lf.factor / kUnitsPerMm;
}

qreal textWidthMm(const QString& text, const PageFont& font)
{
    const LayoutFont lf = layoutFont(font);
    return QFontMetricsF(lf.font).horizontalAdvance(text) * lf.factor / kUnitsPerMm;
}

QRectF placedTextMm(const PageItem& item)
{
    const QRectF room = item.room.isNull() ? item.rect : item.room;
    const qreal width =
        std::min(std::max(textWidthMm(item.text, item.font), item.rect.width()), room.width());
    qreal left = item.rect.left();
    if (item.alignment & Qt::AlignRight)
        left = item.rect.right() - width;
    else if (item.alignment & Qt::AlignHCenter)
        left = item.rect.center().x() - width / 2;
    left = std::clamp(left, room.left(), room.right() - width);
    const qreal height = std::max(item.rect.height(), lineHeightMm(item.font));
    return {left, item.rect.top(), width, height};
}

} // namespace dorvale::platform
