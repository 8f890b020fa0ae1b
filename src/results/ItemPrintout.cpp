// The printout of the item on screen: one A4 page with the question, the choices and the
// explanation.

#include "ItemPrintout.h"

#include "ScoreUnit.h"
#include "exam/TestUnit.h"
#include "platform/ReportPrinter.h"
#include "platform/WrapLabel.h"

namespace dorvale {

namespace {

platform::PageFont arial(qreal points, bool bold = false, bool italic = false,
                         const QColor& colour = Qt::black)
{
    platform::PageFont font;
    font.size = points;
    font.bold = bold;
    font.italic = italic;
    font.color = colour;
    return font;
}

constexpr qreal kTitleHeight = 35.719;
constexpr qreal kHeaderHeight = 32.015;
constexpr qreal kFooterHeight = 32.015;
constexpr qreal kMemoLeft = 12.700;
constexpr qreal kMemoWidth = 168.275;
constexpr qreal kQuestionTop = 29.104;
constexpr qreal kQuestionHeight = 5.027;
constexpr qreal kChoicesTop = 4.233;
constexpr qreal kChoicesHeight = 23.548;

} // namespace

QStringList itemMemoLines(const std::array<QString, 6>& choices, const QString& explanation)
{
    QStringList lines;
    for (int n = 0; n < 6; ++n) {
        const QString& text = choices[size_t(n)];
        if (n < 2 || !text.isEmpty())
            lines << QString(QChar(u'a' + n)) + QStringLiteral(".  ") + text;
        lines << QString();
    }
    lines << QString();
    lines << explanation;
    return lines;
}

platform::ReportPage itemReportPage(const ItemPrintContent& content)
{
    platform::ReportPage page;
    page.documentName = QStringLiteral("Report");
    page.paperMm = QSizeF(209.815, 296.335);
    page.marginsMm = QMarginsF(6.35, 6.35, 6.35, 6.35);
    const qreal footer = page.printableMm().height() - kFooterHeight;
    const platform::PageFont memoFont = arial(10);

    // Title section, grown by what the question needs beyond its designed height.
    const qreal question = platform::memoHeightMm(content.question, memoFont, kMemoWidth);
    const qreal titleHeight =
        std::min(kTitleHeight + std::max(0.0, question - kQuestionHeight), footer);
    page.addLine(QStringLiteral("ppLine1"), 28.046, 19.315, 152.929);
    page.addFrame(QStringLiteral("ppShape1"), QRectF(10.054, 12.965, 30.692, 8.731)).fill =
        Qt::white;
    page.addText(QStringLiteral("ppLabel2"), QRectF(11.906, 14.023, 27.517, 0),
                 arial(16, true, true, QColor(0, 0, 128)), Qt::AlignLeft,
                 QStringLiteral(" Quillon "));
    platform::PageItem& exam = page.addText(
        QStringLiteral("ppLabel4"), QRectF(135.467, 14.023, 45.508, 0), arial(12, true),
        Qt::AlignRight, QStringLiteral("Dorvale 4.0, ") + content.examTitle);
    exam.room.setLeft(10.054 + 30.692 + 2); // grows to the left as far as the banner
    page.addText(QStringLiteral("ppLabel1"), QRectF(150.548, 19.844, 30.427, 0), arial(10, true),
                 Qt::AlignRight,
                 QStringLiteral("Item Number: ") + QString::number(content.itemNumber));
    const qreal questionHeight =
        std::min(std::max(question, kQuestionHeight), footer - kQuestionTop);
    page.addMemo(QStringLiteral("ppMemo1"),
                 QRectF(kMemoLeft, kQuestionTop, kMemoWidth, questionHeight), memoFont,
                 content.question);

    // Page header section: the choices and the explanation.
    const QString choices =
        itemMemoLines(content.choices, content.explanation).join(QLatin1Char('\n'));
    const qreal header = titleHeight;
    const qreal choicesNeed = platform::memoHeightMm(choices, memoFont, kMemoWidth);
    const qreal choicesTop = std::min(header + kChoicesTop, footer);
    const qreal choicesHeight =
        std::max(0.0, std::min(std::max(choicesNeed, kChoicesHeight), footer - choicesTop));
    // A section pushed below the footer is not printed.
    const bool headerFits = header + kChoicesTop < footer;
    page.addLine(QStringLiteral("ppLine2"), kMemoLeft, std::min(header + 1.323, footer),
                 headerFits ? kMemoWidth : 0.0);
    page.addMemo(QStringLiteral("ppMemo2"),
                 QRectF(kMemoLeft, choicesTop, kMemoWidth, choicesHeight), memoFont, choices);

    // Page footer, at the bottom of the page.
    page.addLine(QStringLiteral("ppLine4"), 10.054, footer + 1.323, 169.863);
    page.addText(QStringLiteral("ppLabel5"), QRectF(10.054, footer + 1.852, 0, 0), arial(10),
                 Qt::AlignLeft, QStringLiteral("Dorvale 4.0"));
    page.addText(QStringLiteral("ppLabel3"), QRectF(123.031, footer + 1.852, 57.150, 0), arial(10),
                 Qt::AlignLeft, legalNotice());
    return page;
}

void TTestForm::Print1Click()
{
    ItemPrintContent content;
    content.examTitle = FExamTitle;
    content.itemNumber = dtCurrentSet->recNo();
    content.question = QText->text();
    for (int n = 1; n <= 6; ++n)
        content.choices[size_t(n - 1)] = dtCurrentSet->asString(QStringLiteral("Q%1").arg(n));
    content.explanation = dtCurrentSet->asString(QStringLiteral("Q_EXPL"));
    if (!ItemReport)
        ItemReport = new platform::ReportPrinter(true, this);
    ItemReport->print(itemReportPage(content), this);
}

} // namespace dorvale
