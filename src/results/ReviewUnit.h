#pragma once

#include "platform/TForm.h"

#include <QIcon>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace dorvale {

// The items of the exam with the letters the user chose and an icon for each item's state;
// going to one of them makes it the current item of the exam.
class TReviewForm : public platform::TForm {
    Q_OBJECT

public:
    // The icons of ImageList1.
    enum Icon { Incomplete = 0, Complete = 1, Marked = 2, Incorrect = 3 };

    TReviewForm();

    std::array<QIcon, 4> ImageList1;
    QWidget* LegendArea = nullptr;
    QWidget* Panel5 = nullptr; // exam legend
    QWidget* Panel4 = nullptr; // graded legend
    QListWidget* ListView1 = nullptr;
    QWidget* Panel1 = nullptr; // button row
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // Empties the list and adds one entry per item: its caption and its icon (an ImageList1 index).
    void clearEntries();
    void addEntry(const QString& caption, int icon);
    // The ImageList1 index an entry shows.
    int entryIcon(int index) const;
    void showExamLegend(bool exam);

    void ListView1SelectItem();
    void ListView1DblClick();
    void BitBtn2Click();
    void BitBtn1Click();

protected:
    void formClose() override;

private:
    void goToSelected();
};

extern TReviewForm* ReviewForm;

// "12  AC": the item's number, two blanks, the letters of the chosen choices.
QString reviewCaption(int number, const std::array<quint8, 6>& choices);

} // namespace dorvale
