#include "ReportPrinter.h"

#include "ReportPage.h"
#include "data/Error.h"

#include <QAbstractPrintDialog>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace dorvale::platform {

namespace {

ReportPrinter::DialogHook& dialogHook()
{
    static ReportPrinter::DialogHook hook;
    return hook;
}

} // namespace

ReportPrinter::ReportPrinter(bool keepChoices, QObject* parent)
    : QObject(parent)
    , keepChoices_(keepChoices)
{}

ReportPrinter::~ReportPrinter() = default;

QPrinter& ReportPrinter::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void ReportPrinter::setDialogHook(DialogHook hook)
{
    dialogHook() = std::move(hook);
}
bool ReportPrinter::hasDialogHook()
{
    return bool(dialogHook());
}

void ReportPrinter::setUpPage(const ReportPage& page)
{
    QPrinter& p = printer();
    // A size within a millimetre of a standard paper is that paper, so the printer is asked for
    // A4 and not for a custom sheet.
    const QPageSize size(page.paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    p.setPageLayout(
        QPageLayout(size, QPageLayout::Portrait, page.marginsMm, QPageLayout::Millimeter));
    p.setFullPage(true); // the page places its elements from the paper's corner itself
}

bool ReportPrinter::print(const ReportPage& page, QWidget* parent)
{
    if (!keepChoices_ || !printer_)
        printer_.reset();
    const bool fresh = !printer_;
    QPrinter& p = printer();
    if (fresh)
        setUpPage(page);
    p.setDocName(page.documentName);
    p.setFromTo(0, 0);
    p.setPrintRange(QPrinter::AllPages);

    bool accepted = false;
    if (dialogHook()) {
        accepted = dialogHook()(p);
    } else {
        QPrintDialog dialog(&p, parent);
        dialog.setObjectName(QStringLiteral("PrintDialog"));
        // One page: there is no range to choose.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) {
        if (fresh && keepChoices_)
            printer_.reset(); // a cancelled dialog leaves the set-up as it was
        return false;
    }
    printPage(page, p);
    lastPrinted_ = std::make_unique<ReportPage>(page);
    return true;
}

const ReportPage& ReportPrinter::lastPrinted() const
{
    static const ReportPage none;
    return lastPrinted_ ? *lastPrinted_ : none;
}

void printPage(const ReportPage& page, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(
            QDir::home().filePath(page.documentName + QStringLiteral(".pdf")));
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                       : printer.printerName();
        if (target.isEmpty())
            target = QStringLiteral("the printer");
        throw Error(QStringLiteral("The report '%1' could not be printed: %2 cannot be opened "
                                   "for printing.")
                        .arg(page.documentName, target));
    }
    // With the full page the painter's origin is the paper's corner.
    const qreal pixelsPerMm = printer.resolution() / 25.4;
    renderPage(painter, page, pixelsPerMm);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error)
        throw Error(QStringLiteral("The report '%1' could not be printed: the printer reported "
                                   "an error.")
                        .arg(page.documentName));
}

} // namespace dorvale::platform
