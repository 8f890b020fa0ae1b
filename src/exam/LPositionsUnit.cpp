#include "LPositionsUnit.h"

#include "AnswerSheet.h"
#include "TestUnit.h"
#include "platform/TddgRunButton.h"
#include "platform/TfcLabel.h"
#include "platform/WrapLabel.h"
#include "results/NoteUnit.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>

namespace dorvale {

namespace {

constexpr int kPanelBorder = 8;
constexpr int kChoiceLeft = 80;
constexpr int kRightMargin = 30;
constexpr int kBottomSpacer = 17; // Bevel2

const QColor kKeyColour(0, 255, 255);

data::Table& items()
{
    return *TestForm->dtCurrentSet;
}

QString text(const char* prefix, int n)
{
    return items().asString(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n));
}
bool key(int n)
{
    return items().asBoolean(QStringLiteral("A%1").arg(n));
}
bool multiple()
{
    return items().asBoolean(QStringLiteral("Q_TYPE"));
}

TItemAnswer& currentEntry()
{
    return ItemAnswers.at(size_t(items().recNo() - 1));
}

// The outer width of the item area, the scroll bar included when it shows.
int areaWidth()
{
    return TestForm->ScrollBox1->width();
}
// The width of what the item area shows: its content's width.
int contentWidth()
{
    QScrollArea* box = TestForm->ScrollBox1;
    const bool bar = box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    return box->width() - (bar ? box->verticalScrollBar()->sizeHint().width() : 0);
}

// Measures a label at a freshly set width: auto-size off, width, auto-size on.
void measureAt(platform::WrapLabel* label, int width)
{
    label->setAutoSize(false);
    label->resize(width, label->height());
    label->setAutoSize(true);
}

int bottomOf(const QWidget* w)
{
    return w->y() + w->height();
}

// Everything from the question to the explanation, for the current width of the content.
void layOutOnce()
{
    ShowQuestionText();
    ShowChoiceTexts();
    ShowAnswerControls();
    PlaceChoices();
    AlignAnswerControls();
    PlaceExplanation();
}

int contentHeight()
{
    TTestForm* f = TestForm;
    int bottom = bottomOf(f->ExhBtnA);
    for (QWidget* w : f->ItemContent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isHidden())
            bottom = qMax(bottom, bottomOf(w));
    }
    if (!f->ExpText->isHidden())
        bottom = qMax(bottom, bottomOf(f->ExpText));
    return bottom + kBottomSpacer;
}

} // namespace

void FitItemArea()
{
    TTestForm* f = TestForm;
    // The scroll bar shows only when the content is taller than the area; with it the content
    // is narrower, so the item is laid out again at that width.
    const bool needed = contentHeight() > f->ScrollBox1->height();
    const auto policy = needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (f->ScrollBox1->verticalScrollBarPolicy() != policy) {
        f->ScrollBox1->setVerticalScrollBarPolicy(policy);
        layOutOnce();
    }
    f->ItemContent->resize(contentWidth(), qMax(contentHeight(), f->ScrollBox1->height()));
}

void ShowCurrentItem()
{
    TTestForm* f = TestForm;
    // Nothing is painted while the item is laid out, so no intermediate position shows.
    f->ScrollBox1->setUpdatesEnabled(false);
    f->ScrollBox1->verticalScrollBar()->setValue(0);
    layOutOnce();
    RestoreAnswers();
    FitItemArea();
    f->ScrollBox1->verticalScrollBar()->setValue(0);
    f->ScrollBox1->setUpdatesEnabled(true);
    f->Panel3->show();
    f->ScrollBox1->show();
}

void ShowQuestionText()
{
    TTestForm* f = TestForm;
    const int inner = contentWidth() - 2 * kPanelBorder;
    f->QText->setText(items().asString(QStringLiteral("Q_TEXT")));
    f->QText->move(kPanelBorder, kPanelBorder);
    measureAt(f->QText, inner);
    // QText is aligned to the top of its panel: its width stays the panel's inner width.
    f->QText->resize(inner, f->QText->height());
    f->QPanel->setGeometry(0, 0, contentWidth(), f->QText->height() + 2 * kPanelBorder);
}

void ShowChoiceTexts()
{
    TTestForm* f = TestForm;
    for (int n = 1; n <= 6; ++n) {
        platform::WrapLabel* label = f->ALabels[size_t(n - 1)];
        const QString choice = text("Q", n);
        if (!choice.isEmpty()) {
            label->setText(choice);
            label->show();
        } else {
            label->hide(); // keeps the text it had
        }
    }
}

void ShowAnswerControls()
{
    TTestForm* f = TestForm;
    const bool isMultiple = multiple();
    for (int n = 1; n <= 6; ++n) {
        const bool exists = !text("Q", n).isEmpty();
        f->RadioButtons[size_t(n - 1)]->setVisible(exists && !isMultiple);
        f->CheckBoxes[size_t(n - 1)]->setVisible(exists && isMultiple);
    }
}

void PlaceChoices()
{
    TTestForm* f = TestForm;
    f->ExhBtnA->setVisible(!items().asString(QStringLiteral("PICT1")).isEmpty());
    f->ExhBtnB->setVisible(!items().asString(QStringLiteral("PICT2")).isEmpty());

    f->Shape1->setGeometry(0, f->QPanel->height(), contentWidth(), 1);
    // The exhibit row keeps its room whether or not a button in it shows.
    const int row = f->QPanel->height() + 2;
    f->ExhBtnA->move(f->ExhBtnA->x(), row);
    f->ExhBtnB->move(f->ExhBtnB->x(), row);
    f->CalcButton->move(contentWidth() - 1 - f->CalcButton->width(), row);

    for (platform::WrapLabel* label : f->ALabels)
        measureAt(label, areaWidth() - kChoiceLeft - kRightMargin);
    int top = row + f->ExhBtnA->height() + 15;
    for (platform::WrapLabel* label : f->ALabels) {
        // Hidden labels keep their room, measured from the text they kept.
        label->move(kChoiceLeft, top);
        top += label->height() + 15;
    }
}

void AlignAnswerControls()
{
    TTestForm* f = TestForm;
    const bool isMultiple = multiple();
    for (int n = 1; n <= 6; ++n) {
        QWidget* control = isMultiple ? static_cast<QWidget*>(f->CheckBoxes[size_t(n - 1)])
                                      : static_cast<QWidget*>(f->RadioButtons[size_t(n - 1)]);
        control->move(control->x(), f->ALabels[size_t(n - 1)]->y());
    }
}

void PlaceExplanation()
{
    TTestForm* f = TestForm;
    f->ExpText->setText(items().asString(QStringLiteral("Q_EXPL")));
    f->ExpText->setAutoSize(false);
    f->ExpText->resize(areaWidth() - f->ExpText->x() - kRightMargin, f->ExpText->height());
    // Below the lowest choice that shows, so the explanation never covers a choice; an item
    // without choices has it below the exhibit row.
    int anchorBottom = f->ExhBtnA->y() + f->ExhBtnA->height();
    for (platform::WrapLabel* label : f->ALabels) {
        if (!label->isHidden())
            anchorBottom = qMax(anchorBottom, bottomOf(label));
    }
    f->ExpText->move(f->ExpText->x(), anchorBottom + 40);
    f->ExpText->setAutoSize(true);
}

void RestoreAnswers()
{
    TTestForm* f = TestForm;
    // Copied first: the handlers that setting the controls runs write into the same entry.
    const TItemAnswer entry = currentEntry();
    const QScopedValueRollback<bool> restoring(f->FRestoringAnswers, true);
    if (!multiple()) {
        for (int n = 1; n <= 6; ++n)
            f->setRadioChecked(n, entry.choice(n) != 0);
    } else {
        for (int n = 1; n <= 6; ++n)
            f->CheckBoxes[size_t(n - 1)]->setChecked(entry.choice(n) != 0);
    }
    f->MarkBox->setChecked(entry.Marked != 0);
}

void HighlightKey()
{
    TTestForm* f = TestForm;
    for (int n = 1; n <= 6; ++n)
        f->ALabels[size_t(n - 1)]->setBackground(key(n) ? kKeyColour : QColor(Qt::white));
}

void ShowReviewState()
{
    TTestForm* f = TestForm;
    if (f->FMode == 3) {
        f->ExpText->show();
        HighlightKey();
    } else if (f->FMode == 1) {
        f->ExpText->hide();
        for (platform::WrapLabel* label : f->ALabels)
            label->setBackground(Qt::white);
    }
    if (currentEntry().Correct) {
        f->CorrectLabel->setText(QStringLiteral("Correct"));
        f->CorrectLabel->setTextColor(QColor(0, 0, 255));
    } else {
        f->CorrectLabel->setText(QStringLiteral("Incorrect"));
        f->CorrectLabel->setTextColor(QColor(255, 0, 0));
    }
    f->CorrectLabel->adjustSize();
    FitItemArea();
}

} // namespace dorvale
