#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace dorvale::platform {

class ReportPage;

// The printer set-up of one report. Printing asks with the print dialog (which also offers a
// PDF file, so it serves where no printer is installed) and prints the page on one sheet. With
// keepChoices the dialog's choices stay in the set-up for the next printing; otherwise every
// printing starts from the default printer.
class ReportPrinter : public QObject {
    Q_OBJECT

public:
    explicit ReportPrinter(bool keepChoices, QObject* parent = nullptr);
    ~ReportPrinter() override;

    QPrinter& printer();

    // False when the dialog was cancelled. A printing that fails is an Error, and nothing of
    // the caller's state has changed by then.
    bool print(const ReportPage& page, QWidget* parent);
    // The page as it was last printed; empty before the first printing.
    const ReportPage& lastPrinted() const;

    // For tests: takes the print dialog's place. The hook sets up the printer as the user would
    // in the dialog (a PDF file, say) and answers true to print, false to cancel.
    using DialogHook = std::function<bool(QPrinter&)>;
    static void setDialogHook(DialogHook hook);
    static bool hasDialogHook();

private:
    void setUpPage(const ReportPage& page);

    bool keepChoices_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<ReportPage> lastPrinted_;
};

// Paints a page onto a printer that is already set up (a PDF file, say), with no dialog.
void printPage(const ReportPage& page, QPrinter& printer);

} // namespace dorvale::platform
