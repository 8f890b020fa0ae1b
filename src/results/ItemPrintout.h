#pragma once

#include "platform/ReportPage.h"

#include <QString>
#include <QStringList>
#include <array>

namespace dorvale {

// What the printout of one item shows.
struct ItemPrintContent {
    QString examTitle;
    int itemNumber = 0;
    QString question;
    std::array<QString, 6> choices; // Q1 ... Q6, empty where the item has no such choice
    QString explanation;
};

// The lines of the choices memo: "a.  " and "b.  " always, "c.  " to "f.  " where the choice
// exists, each followed by an empty line whether or not it exists; then one more empty line
// and the explanation.
QStringList itemMemoLines(const std::array<QString, 6>& choices, const QString& explanation);

// The item's page: the title section with the question, the page header section with the
// choices and the explanation, both growing with their texts, and the footer at the bottom.
// What does not fit above the footer is cut off: the printout is one page.
platform::ReportPage itemReportPage(const ItemPrintContent& content);

} // namespace dorvale
