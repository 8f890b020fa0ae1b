// Grading and review driven as a user drives them: the score and grade, the score window and
// its printed report, the items review, item notes and the item printout.

#include "TestSupport.h"
#include "app/Program.h"
#include "data/Table.h"
#include "data/TablePassword.h"
#include "exam/AnswerSheet.h"
#include "exam/NameUnit.h"
#include "exam/TestUnit.h"
#include "platform/BarChart.h"
#include "platform/DBControls.h"
#include "platform/ErrorBox.h"
#include "platform/MessageBox.h"
#include "platform/ReportPrinter.h"
#include "platform/TSpinEdit.h"
#include "platform/TfcLabel.h"
#include "platform/TimeCounter.h"
#include "platform/WrapLabel.h"
#include "results/ItemPrintout.h"
#include "results/NoteUnit.h"
#include "results/ReviewUnit.h"
#include "results/ScoreUnit.h"
#include "results/Scoring.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <cstdio>

using namespace dorvale;
using platform::MessageBox;

// Runs a set-up step of a test and ends the test when the step failed.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

namespace {

// Practice Exam A: eight items over the six sections; Practice Exam B: two more.
QList<bank::Item> fixtureItems()
{
    QList<bank::Item> items;
    items << test::item(1, 1, 1, "b");
    items << test::item(2, 1, 1, "a", 2);
    items << test::item(3, 1, 2, "ace", 6);
    items << test::item(4, 1, 3, "bd");
    items << test::item(5, 1, 4, "c");
    items << test::item(6, 1, 5, "a");
    items << test::item(7, 1, 6, "d");
    items << test::withChoices(test::item(8, 1, 6, "a"), {"Choice a", "Choice b", "", "Choice d"});
    items << test::item(
        9, 2, 2, "a", 4,
        QString("A question long enough to need many lines on paper. ").repeated(40));
    items << test::item(10, 2, 3, "b");
    return items;
}

bool shown(QWidget* w)
{
    return w->isVisibleTo(TestForm);
}

void clickButton(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the choices of an item as the user does: its radio buttons or check boxes.
void answer(int id, const QString& letters)
{
    QVERIFY(test::goToItem(id));
    for (QChar letter : letters) {
        const size_t n = size_t(letter.unicode() - u'a');
        QAbstractButton* radio = TestForm->RadioButtons[n];
        QAbstractButton* box = TestForm->CheckBoxes[n];
        QAbstractButton* control = shown(radio) ? radio : box;
        QVERIFY(shown(control));
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
    }
}

// The answers of the graded exam below: 5 of 8 correct.
void answerExamA()
{
    answer(1, "b");   // correct
    answer(2, "b");   // wrong
    answer(3, "ace"); // correct
    answer(4, "b");   // one choice missing
    answer(5, "c");   // correct
    // 6 left open
    answer(7, "d"); // correct
    answer(8, "a"); // correct
}

const char* const kExamATitle = "Kim Lee,  Dorvale 4.0,  Practice Exam A";
const char* const kExamAScore = "Passing Score: 850   Your Score: 625   Grade: Fail";

// Grades with the confirmation answered OK and runs inside on the score window.
void grade(std::function<void()> inside)
{
    test::onNextModal([inside](QWidget*) { inside(); });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    clickButton(TestForm->GradeButton);
}

void viewAnswers()
{
    clickButton(ScoreForm->BitBtn1);
}

struct SetPoint {
    QString label;
    double value;
    QColor color;
};

// The points of a series as its bar sets hold them: set i carries point i in category i.
QList<SetPoint> seriesPoints(QHorizontalStackedBarSeries* series)
{
    QList<SetPoint> points;
    const QList<QBarSet*> sets = series->barSets();
    for (int i = 0; i < sets.size(); ++i) {
        for (int j = 0; j < sets[i]->count(); ++j) {
            if (j != i && sets[i]->at(j) != 0)
                points.append({"<value outside its slot>", 0, {}});
        }
        points.append({sets[i]->label(), sets[i]->at(i), sets[i]->color()});
    }
    return points;
}

// A category label as the axis shows it, without its markup.
QString plainCategory(QString category)
{
    category.replace("<br>", " ");
    category.replace("&nbsp;", " ");
    category.remove(QRegularExpression("<[^>]*>"));
    return category;
}

QString bankNote(int id)
{
    data::Table bank(QString::fromLatin1(data::kSessionName), "dorvale.DAT");
    bank.open();
    bank.setRecNo(id);
    return bank.asString("U_MEMO");
}

QString pdfText(const QString& path, const QStringList& options = {"-layout"})
{
    QProcess p;
    p.start("pdftotext", options + QStringList{path, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Prints to path in place of the print dialog.
void printToPdf(const QString& path)
{
    platform::ReportPrinter::setDialogHook([path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
}

// Types into the note memo as the user does; text may hold any character.
void typeNote(const QString& text)
{
    platform::TDBMemo* memo = NoteForm->DBMemo1;
    memo->setFocus();
    bool plain = text.size() < 200;
    for (QChar c : text)
        plain = plain && c.unicode() >= 32 && c.unicode() < 127;
    if (plain)
        QTest::keyClicks(memo, text);
    else
        memo->insertPlainText(text); // pasted
}

// The child process of the kill test: saves a note and waits to be killed.
int saveNoteAndWait(const QString& dir, int id, const QString& note)
{
    test::initEnvironment();
    createForms();
    QDir::setCurrent(dir);
    TestForm->show();
    test::startExam(TestForm->ExamActions[0]);
    if (!test::goToItem(id))
        return 3;
    test::onNextModal([note](QWidget*) {
        typeNote(note);
        NoteForm->Button1->click();
        std::puts("saved");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    });
    TestForm->NoteButton->click();
    return 4;
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FormsFixture> forms_;
    QTemporaryDir out_;

    QString outPath(const QString& name) const { return out_.filePath(name); }

    void startExamA()
    {
        TestForm->FCandidateName.clear();
        test::startExam(TestForm->ExamActions[0]);
        TestForm->FCandidateName = "Kim Lee";
        QVERIFY2(TestForm->FMode == 1,
                 qPrintable(platform::ErrorBox::last() + MessageBox::lastText()));
    }

    // A graded exam A in review mode.
    void reviewExamA()
    {
        STEP(startExamA());
        STEP(answerExamA());
        grade([] { viewAnswers(); });
        QCOMPARE(TestForm->FMode, 3);
    }

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        forms_ = std::make_unique<test::FormsFixture>(fixtureItems());
        TestForm->show();
    }

    void cleanupTestCase() { forms_.reset(); }

    void cleanup()
    {
        QVERIFY(test::noModalLeft());
        platform::ReportPrinter::setDialogHook({});
        if (TestForm->FMode != 0)
            TestForm->CloseCurrentExam();
        MessageBox::clear();
        platform::ErrorBox::clearLast();
    }

    // ---- scoring ---------------------------------------------------------------------------

    void scoring_data()
    {
        // rows: section, items, correct items of that section
        QTest::addColumn<QList<QList<int>>>("rows");
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<int>("shownScore");
        // expected section labels' counts and values, section 1 first
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QList<int>>("percents");

        const QStringList none6 = {"0/0", "0/0", "0/0", "0/0", "0/0", "0/0"};
        const QList<int> zero6 = {0, 0, 0, 0, 0, 0};
        QTest::newRow("20/17 passes at 850")
            << QList<QList<int>>{{1, 20, 17}} << 850.0 << "Pass" << 850
            << QStringList{"17/20", "0/0", "0/0", "0/0", "0/0", "0/0"}
            << QList<int>{85, 0, 0, 0, 0, 0};
        QTest::newRow("60/51 is exactly 85 %")
            << QList<QList<int>>{{2, 60, 51}} << 850.0 << "Pass" << 850
            << QStringList{"0/0", "51/60", "0/0", "0/0", "0/0", "0/0"}
            << QList<int>{0, 85, 0, 0, 0, 0};
        QTest::newRow("113/96 shows 850 and fails")
            << QList<QList<int>>{{3, 113, 96}} << double(1000.0L / 113 * 96) << "Fail" << 850
            << QStringList{"0/0", "0/0", "96/113", "0/0", "0/0", "0/0"}
            << QList<int>{0, 0, 85, 0, 0, 0};
        QTest::newRow("16/1 rounds 62.5 down to even")
            << QList<QList<int>>{{4, 16, 1}} << 62.5 << "Fail" << 62
            << QStringList{"0/0", "0/0", "0/0", "1/16", "0/0", "0/0"}
            << QList<int>{0, 0, 0, 6, 0, 0};
        QTest::newRow("16/3 rounds 187.5 up to even")
            << QList<QList<int>>{{4, 16, 3}} << 187.5 << "Fail" << 188
            << QStringList{"0/0", "0/0", "0/0", "3/16", "0/0", "0/0"}
            << QList<int>{0, 0, 0, 19, 0, 0};
        QTest::newRow("all correct")
            << QList<QList<int>>{{1, 2, 2}, {2, 3, 3}, {3, 1, 1}, {4, 1, 1}, {5, 2, 2}, {6, 1, 1}}
            << 1000.0 << "Pass" << 1000 << QStringList{"2/2", "3/3", "1/1", "1/1", "2/2", "1/1"}
            << QList<int>{100, 100, 100, 100, 100, 100};
        QTest::newRow("none correct")
            << QList<QList<int>>{{1, 2, 0}, {2, 3, 0}, {3, 1, 0}, {4, 1, 0}, {5, 2, 0}, {6, 1, 0}}
            << 0.0 << "Fail" << 0 << QStringList{"0/2", "0/3", "0/1", "0/1", "0/2", "0/1"} << zero6;
        QTest::newRow("sections 1/8 and 3/8 round to even")
            << QList<QList<int>>{{2, 8, 1}, {5, 8, 3}} << 250.0 << "Fail" << 250
            << QStringList{"0/0", "1/8", "0/0", "0/0", "3/8", "0/0"}
            << QList<int>{0, 12, 0, 0, 38, 0};
        QTest::newRow("section 0 counts in the score only")
            << QList<QList<int>>{{0, 3, 3}, {1, 1, 0}} << 750.0 << "Fail" << 750
            << QStringList{"0/1", "0/0", "0/0", "0/0", "0/0", "0/0"} << zero6;
        QTest::newRow("no items scores 0 and fails")
            << QList<QList<int>>{} << 0.0 << "Fail" << 0 << none6 << zero6;
    }

    void scoring()
    {
        QFETCH(QList<QList<int>>, rows);
        QFETCH(double, score);
        QFETCH(QString, grade);
        QFETCH(int, shownScore);
        QFETCH(QStringList, counts);
        QFETCH(QList<int>, percents);

        // Sections interleaved, so no order of the sheet is relied on.
        ItemAnswers.clear();
        for (const QList<int>& row : rows) {
            for (int i = 0; i < row[1]; ++i) {
                TItemAnswer entry;
                entry.Section = row[0];
                entry.Correct = i < row[2] ? 1 : 0;
                ItemAnswers.insert(ItemAnswers.begin() + qsizetype(ItemAnswers.size() / 2), entry);
            }
        }
        TestForm->FCandidateName = "Kim Lee";
        TestForm->FExamTitle = "Practice Exam C";
        TestForm->FillTotalScore();
        TestForm->FillSectionScores();

        const QString line =
            QString("Passing Score: 850   Your Score: %1   Grade: %2").arg(shownScore).arg(grade);
        QCOMPARE(ScoreForm->TotalLabel->text(), line);
        QCOMPARE(ScoreForm->ppReport1.item("ppLabel4").text, line);
        const QString title = "Kim Lee,  Dorvale 4.0,  Practice Exam C";
        QCOMPARE(ScoreForm->TotalChart->chart()->title(), platform::chartPlainText(title));
        QCOMPARE(ScoreForm->ppReport1.item("ppLabel1").text, title);
        QCOMPARE(ScoreForm->ppReport1.item("ppLabel2").text, QString("Dorvale 4.0"));

        const QList<SetPoint> total = seriesPoints(ScoreForm->Series1);
        QCOMPARE(total.size(), 2);
        QCOMPARE(total[0].label, QString("Your score"));
        QCOMPARE(total[0].value, score); // unrounded
        QCOMPARE(total[0].color, QColor(0, 128, 0));
        QCOMPARE(total[1].label, QString("Required score"));
        QCOMPARE(total[1].value, 850.0);
        QCOMPARE(total[1].color, QColor(0, 0, 255));

        const QList<SetPoint> sections = seriesPoints(ScoreForm->HorizBarSeries1);
        QCOMPARE(sections.size(), 6);
        for (int i = 0; i < 6; ++i) {
            const int s = 6 - i; // section 6 first, drawn at the bottom
            const QString label = SectionNames[size_t(s - 1)] + " (" + counts[s - 1] + ") ";
            QCOMPARE(sections[i].label, label);
            QCOMPARE(sections[i].value, double(percents[s - 1]));
            QCOMPARE(sections[i].color, QColor(255, 0, 0));
            QCOMPARE(plainCategory(ScoreForm->sectionChart()->categoryAxis()->at(i)), label);
        }
        // The printed report carries the same points.
        const platform::BarChartModel& printedTotal = ScoreForm->Series2();
        const platform::BarChartModel& printedSections = ScoreForm->HorizBarSeries2();
        QCOMPARE(printedTotal.points, ScoreForm->totalChart()->points());
        QCOMPARE(printedSections.points, ScoreForm->sectionChart()->points());
        ItemAnswers.clear();
    }

    // ---- the grade command and the score window --------------------------------------------

    void cancelledGradingLeavesTheExam()
    {
        STEP(startExamA());
        answer(1, "b");
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        clickButton(TestForm->GradeButton);
        QCOMPARE(MessageBox::requests().size(), 1);
        const MessageBox::Request asked = MessageBox::requests().first();
        QCOMPARE(asked.kind, platform::MessageKind::Confirmation);
        QCOMPARE(asked.text,
                 QString("This will end your practice exam.\nAre you sure to end this exam?"));
        QCOMPARE(asked.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(TestForm->FMode, 1);
        QCOMPARE(TestForm->GradeButton->text(), QString("Grade Now"));
        QVERIFY(shown(TestForm->ScrollBox1));
        QVERIFY(shown(TestForm->TimeLabel));
        QVERIFY(TestForm->Timer1->enabled());
        QVERIFY(!ScoreForm->isVisible());
    }

    void gradedExamShowsTheScoreWindow()
    {
        STEP(startExamA());
        STEP(answerExamA());
        QString heading, total, title, caption;
        QList<SetPoint> totals, sections;
        QStringList categories;
        QSize size;
        bool closeBox = true, defaultView = false, escapeKept = false, closeRefused = false;
        bool itemsHidden = false;
        QString gradeCaption;
        grade([&] {
            heading = ScoreForm->fcLabel1->text();
            total = ScoreForm->TotalLabel->text();
            title = ScoreForm->TotalChart->chart()->title();
            caption = ScoreForm->windowTitle();
            totals = seriesPoints(ScoreForm->Series1);
            sections = seriesPoints(ScoreForm->HorizBarSeries1);
            for (const QString& c : ScoreForm->sectionChart()->categoryAxis()->categories())
                categories << plainCategory(c);
            size = ScoreForm->size();
            closeBox = ScoreForm->windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
                       ScoreForm->windowFlags().testFlag(Qt::WindowSystemMenuHint);
            defaultView = ScoreForm->BitBtn1->isDefault();
            itemsHidden = !shown(TestForm->ScrollBox1) && !shown(TestForm->TimeLabel) &&
                          !TestForm->Timer1->enabled();
            gradeCaption = TestForm->GradeButton->text();
            // Escape does nothing, and nor does closing the window some other way.
            QTest::keyClick(ScoreForm, Qt::Key_Escape);
            escapeKept = ScoreForm->isVisible();
            ScoreForm->close();
            closeRefused = ScoreForm->isVisible();
            // Enter presses "View Answers".
            ScoreForm->BitBtn1->setFocus();
            QTest::keyClick(ScoreForm, Qt::Key_Return);
        });
        QCOMPARE(heading, QString("Examination Score Report"));
        QCOMPARE(caption, QString("Quillon"));
        QCOMPARE(size, QSize(582, 435));
        QVERIFY(!closeBox);
        QVERIFY(defaultView);
        QVERIFY(escapeKept);
        QVERIFY(closeRefused);
        QVERIFY(itemsHidden);
        QCOMPARE(gradeCaption, QString("Score Report"));
        QCOMPARE(total, QString(kExamAScore));
        QCOMPARE(title, platform::chartPlainText(kExamATitle));
        QCOMPARE(totals.size(), 2);
        QCOMPARE(totals[0].value, 625.0);
        QCOMPARE(categories,
                 QStringList({"Troubleshooting (2/2) ", "Monitoring and Optimization (0/1) ",
                              "Connectivity (1/1) ", "Managing Resources (0/1) ",
                              "Installation and Configuration (1/1) ", "Planning (1/2) "}));
        QList<double> values;
        for (const SetPoint& p : sections)
            values << p.value;
        QCOMPARE(values, QList<double>({100, 0, 100, 0, 100, 50}));

        // "View Answers": the review of item 1.
        QCOMPARE(TestForm->FMode, 3);
        QCOMPARE(TestForm->dtCurrentSet->recNo(), 1);
        QVERIFY(shown(TestForm->ScrollBox1));
        QVERIFY(shown(TestForm->CorrectLabel));
        QVERIFY(shown(TestForm->ReviewLabel));
        QVERIFY(!shown(TestForm->MarkBox));
        QVERIFY(!TestForm->LearnButton->isEnabled());
        QVERIFY(!TestForm->Timer1->enabled());
    }

    void scoreReportInReviewShowsTheSameResults()
    {
        STEP(reviewExamA());
        clickButton(TestForm->NextButton);
        clickButton(TestForm->NextButton);
        QCOMPARE(TestForm->dtCurrentSet->recNo(), 3);
        MessageBox::clear();
        QString total;
        QList<SetPoint> totals;
        int modeInside = -1;
        test::onNextModal([&](QWidget*) {
            total = ScoreForm->TotalLabel->text();
            totals = seriesPoints(ScoreForm->Series1);
            // "Exit Exam" answered No keeps the window and the mode.
            MessageBox::setNextAnswer(QMessageBox::No);
            clickButton(ScoreForm->BitBtn3);
            modeInside = ScoreForm->isVisible() ? TestForm->FMode : -1;
            viewAnswers();
        });
        clickButton(TestForm->GradeButton);
        QCOMPARE(MessageBox::requests().size(), 1); // only the exit question, no grading question
        QCOMPARE(MessageBox::requests().first().text,
                 QString("Are you sure you wish to end this exam?"));
        QCOMPARE(MessageBox::requests().first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(modeInside, 3);
        QCOMPARE(total, QString(kExamAScore));
        QCOMPARE(totals[0].value, 625.0);
        QCOMPARE(TestForm->FMode, 3);
        QCOMPARE(TestForm->dtCurrentSet->recNo(), 1); // back to item 1
    }

    void exitExamFromTheScoreWindow()
    {
        STEP(startExamA());
        grade([] {
            MessageBox::setNextAnswer(QMessageBox::Yes);
            clickButton(ScoreForm->BitBtn3);
        });
        QVERIFY(!ScoreForm->isVisible());
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(shown(TestForm->Panel4));
        QVERIFY(!TestForm->dtCurrentSet->active());
        QVERIFY(!TestForm->dtQSet->active());
        // The results stay in the window until the next grading.
        QCOMPARE(ScoreForm->TotalLabel->text(),
                 QString("Passing Score: 850   Your Score: 0   Grade: Fail"));
    }

    void timeExpiryLeadsToGrading()
    {
        QDateTime now = QDateTime::currentDateTime();
        TestForm->Timer1->setClock([&] { return now; });
        test::startExam(TestForm->ExamActions[0], [] { NameForm->SpinEdit1->setValue(1); });
        now = now.addSecs(61);
        MessageBox::setNextAnswer(QMessageBox::No); // do not continue
        MessageBox::setNextAnswer(QMessageBox::Ok); // grade
        bool opened = false;
        test::onNextModal([&](QWidget* modal) {
            opened = modal == ScoreForm;
            viewAnswers();
        });
        TestForm->Timer1->tick();
        TestForm->Timer1->setClock([] { return QDateTime::currentDateTime(); });
        QVERIFY(opened);
        QCOMPARE(TestForm->FMode, 3);
    }

    void expiryOverAnUnsavedNoteDropsItAndShowsTheReview()
    {
        QDateTime now = QDateTime::currentDateTime();
        TestForm->Timer1->setClock([&] { return now; });
        test::startExam(TestForm->ExamActions[0], [] { NameForm->SpinEdit1->setValue(1); });
        QVERIFY(test::goToItem(4));
        const QString before = bankNote(4);
        bool noteOpenAtExpiry = false;
        test::onNextModal([&](QWidget*) {
            typeNote("typed, never saved");
            noteOpenAtExpiry = NoteForm->isVisible();
            test::onNextModal([](QWidget*) { viewAnswers(); });
            now = now.addSecs(61); // the time runs out while the note is being typed
            MessageBox::setNextAnswer(QMessageBox::No); // do not continue
            MessageBox::setNextAnswer(QMessageBox::Ok); // grade
            TestForm->Timer1->tick();
        });
        clickButton(TestForm->NoteButton);
        TestForm->Timer1->setClock([] { return QDateTime::currentDateTime(); });
        QVERIFY(noteOpenAtExpiry);
        QVERIFY(!NoteForm->isVisible());
        QCOMPARE(TestForm->FMode, 3);
        QCOMPARE(bankNote(4), before); // not saved, so in neither table
        QVERIFY(test::goToItem(4));
        QCOMPARE(TestForm->dtCurrentSet->asString("U_MEMO"), before);
        TestForm->dtCurrentSet->first();
        QVERIFY(shown(TestForm->ScrollBox1));
        QCOMPARE(TestForm->Label1->text(), QString("Item 1 of 8"));
    }

    void expiryWhileTheGradeQuestionIsOpenGradesOnce()
    {
        QDateTime now = QDateTime::currentDateTime();
        TestForm->Timer1->setClock([&] { return now; });
        test::startExam(TestForm->ExamActions[0], [] { NameForm->SpinEdit1->setValue(1); });
        int scoreWindows = 0;
        bool expired = false;
        MessageBox::setAskHook([&](const MessageBox::Request& request) {
            if (expired || !request.text.startsWith("This will end your practice exam."))
                return;
            expired = true; // the time runs out while the user thinks about grading
            test::onNextModal([&](QWidget*) {
                ++scoreWindows;
                clickButton(ScoreForm->BitBtn3); // "E&xit Exam", answered Yes
            });
            now = now.addSecs(61);
            TestForm->Timer1->tick();
        });
        for (auto answer : {QMessageBox::No, QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok})
            MessageBox::setNextAnswer(answer);
        clickButton(TestForm->GradeButton);
        MessageBox::setAskHook(nullptr);
        TestForm->Timer1->setClock([] { return QDateTime::currentDateTime(); });
        QCOMPARE(scoreWindows, 1);
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(!ScoreForm->isVisible());
        QVERIFY(platform::ErrorBox::last().isEmpty());
        QVERIFY(shown(TestForm->Panel4));
    }

    // ---- the printed score report ----------------------------------------------------------

    void reportPageLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("rect");  // height 0: one line of text, or a rule
        QTest::addColumn<QString>("font"); // "size bold italic"
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        const int left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;
        const qreal footer = 296 - 12.7 - 25.665;
        auto row = [](const char* name, QRectF rect, const char* font, int alignment,
                      QString text) {
            QTest::newRow(name) << QString(name) << rect << QString(font) << alignment << text;
        };
        row("ppShape2", {14.552, 7.144, 29.104, 9.790}, "", left, "");
        row("ppLabel7", {15.346, 8.996, 27.517, 0}, "16 bold italic", left, " Quillon ");
        row("ppLabel1", {114.300, 7.673, 67.998, 0}, "11 bold", right, kExamATitle);
        row("ppLine1", {27.252, 13.229, 155.046, 0}, "", left, "");
        row("ppSystemVariable1", {163.195, 13.970, 19.473, 0}, "10", right,
            QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        row("ppLabel5", {76.465, 22.225, 48.948, 0}, "11 bold", centre, "Examination Score Report");
        row("ppShape1", {15.081, 33.338, 167.482, 34.131}, "", left, "");
        row("ppTeeChart1", {16.404, 34.925, 165.365, 31.221}, "", left, "");
        row("ppLabel4", {51.329, 68.527, 96.309, 0}, "11 bold", centre, kExamAScore);
        row("ppLabel3", {16.933, 88.106, 16.404, 0}, "10 bold", right, " Sections ");
        row("ppLine2", {15.081, 90.223, 167.482, 0}, "", left, "");
        row("ppTeeChart2", {10.054, 92.604, 177.800, 45.508}, "", left, "");
        row("ppLine3", {10.054, footer + 1.852, 172.509, 0}, "", left, "");
        row("ppLabel2", {10.054, footer + 2.381, 0, 0}, "9", left, "Dorvale 4.0");
        row("ppLabel6", {128.059, footer + 2.381, 54.504, 0}, "9", right, legalNotice());
    }

    void reportPageLayout()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, rect);
        QFETCH(QString, font);
        QFETCH(int, alignment);
        QFETCH(QString, text);
        static bool graded = false;
        if (!graded) {
            STEP(startExamA());
            answerExamA();
            grade([] { viewAnswers(); });
            graded = true;
        }
        const platform::ReportPage page = ScoreForm->pageToPrint();
        QCOMPARE(page.paperMm, QSizeF(210, 296));
        QCOMPARE(page.marginsMm, QMarginsF(6.35, 6.35, 6.35, 6.35));
        QCOMPARE(page.documentName, QString("Score Report"));
        const platform::PageItem& item = page.item(name);
        QCOMPARE(item.rect, rect);
        if (!font.isEmpty()) {
            const QStringList parts = font.split(' ');
            QCOMPARE(item.font.family, QString("Arial"));
            QCOMPARE(item.font.size, parts[0].toDouble());
            QCOMPARE(item.font.bold, parts.contains("bold"));
            QCOMPARE(item.font.italic, parts.contains("italic"));
            QCOMPARE(int(item.alignment), alignment);
            QCOMPARE(item.text, text);
        }
        if (name == "ppLabel7")
            QCOMPARE(item.font.color, QColor(0, 0, 128));
        if (name == "ppTeeChart1") {
            QCOMPARE(item.chart.style.axisMax, 1000.0);
            QCOMPARE(item.chart.points.size(), 2);
            QCOMPARE(item.chart.points[0].value, 625.0);
        }
        if (name == "ppTeeChart2") {
            QCOMPARE(item.chart.style.axisMax, 100.0);
            QCOMPARE(item.chart.points.last().label, QString("Planning (1/2) "));
        }
    }

    void reportPrintsToPdf()
    {
        STEP(reviewExamA());
        const QString first = outPath("score1.pdf");
        const QString second = outPath("score2.pdf");
        test::onNextModal([&](QWidget*) {
            printToPdf(first);
            clickButton(ScoreForm->BitBtn2);
            printToPdf(second);
            clickButton(ScoreForm->BitBtn2);
            viewAnswers();
        });
        clickButton(TestForm->GradeButton);
        QVERIFY(platform::ErrorBox::last().isEmpty());
        // The PDF's text has its blanks by position, so runs of blanks are compared as one.
        const QString text = pdfText(first).simplified();
        for (const QString& expected :
             {QString(kExamATitle), QString(kExamAScore), QString("Examination Score Report"),
              QString("Quillon"), QString("Sections"), QString("Dorvale 4.0"), legalNotice(),
              QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)})
            QVERIFY2(text.contains(expected.simplified()),
                     qPrintable(expected + " not in:\n" + text));
        // The charts are drawn into the page, in their order.
        QVERIFY(text.indexOf("Required score") < text.indexOf("Your score"));
        QVERIFY(text.indexOf("Planning (1/2)") <
                text.indexOf("Installation and Configuration (1/1)"));
        QVERIFY(text.indexOf("Connectivity (1/1)") < text.indexOf("Troubleshooting (2/2)"));
        // Printing twice gives the same page.
        QCOMPARE(pdfText(second).simplified(), text);

        // One A4 page, the elements at their millimetres: the footer's product label at the left
        // margin near the bottom, the title line ending at its right edge.
        QProcess info;
        info.start("pdfinfo", {first});
        info.waitForFinished(20000);
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(infoText.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(infoText));
        QVERIFY2(infoText.contains("(A4)"), qPrintable(infoText));
        const QString boxes = pdfText(first, {"-bbox"});
        auto wordBox = [&](const QString& word, int nth = 0) {
            QRegularExpression re(
                QString("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                        "yMax=\"([\\d.]+)\">%1</word>")
                    .arg(QRegularExpression::escape(word)));
            auto it = re.globalMatch(boxes);
            QRegularExpressionMatch m;
            for (int i = 0; i <= nth && it.hasNext(); ++i)
                m = it.next();
            const qreal mm = 25.4 / 72;
            return QRectF(QPointF(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm),
                          QPointF(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm));
        };
        const qreal footer = 6.35 + 296 - 12.7 - 25.665;
        const QRectF product = wordBox("Dorvale", 1); // the first is the title line's
        QVERIFY2(qAbs(product.left() - (6.35 + 10.054)) < 0.5,
                 qPrintable(QString::number(product.left())));
        QVERIFY2(qAbs(product.top() - (footer + 2.381)) < 1.0,
                 qPrintable(QString::number(product.top())));
        const QRectF examLetter = wordBox("A");
        QVERIFY2(qAbs(examLetter.right() - (6.35 + 114.300 + 67.998)) < 0.5,
                 qPrintable(QString::number(examLetter.right())));
        const QRectF scoreWord = wordBox("Passing");
        QVERIFY2(qAbs(scoreWord.top() - (6.35 + 68.527)) < 1.0,
                 qPrintable(QString::number(scoreWord.top())));
    }

    void printingCancelledOrFailedChangesNothing()
    {
        STEP(reviewExamA());
        const QString failing = outPath("no such folder/score.pdf");
        QString errorAfterCancel, errorAfterFailure, labelAfter;
        bool openAfter = false;
        bool dialogShown = false;
        bool offersPdf = false;
        test::onNextModal([&](QWidget*) {
            // The real print dialog, cancelled.
            test::onNextModal([&](QWidget* dialog) {
                dialogShown = qobject_cast<QPrintDialog*>(dialog) != nullptr;
                // With or without a printer installed, the dialog offers a PDF file.
                for (QComboBox* list : dialog->findChildren<QComboBox*>()) {
                    for (int i = 0; i < list->count(); ++i)
                        offersPdf = offersPdf || list->itemText(i).contains("PDF");
                }
                static_cast<QDialog*>(dialog)->reject();
            });
            clickButton(ScoreForm->BitBtn2);
            errorAfterCancel = platform::ErrorBox::last();
            // A file that cannot be written.
            printToPdf(failing);
            clickButton(ScoreForm->BitBtn2);
            errorAfterFailure = platform::ErrorBox::last();
            openAfter = ScoreForm->isVisible();
            labelAfter = ScoreForm->TotalLabel->text();
            viewAnswers();
        });
        clickButton(TestForm->GradeButton);
        QVERIFY(dialogShown);
        QVERIFY(offersPdf);
        QVERIFY(errorAfterCancel.isEmpty());
        QCOMPARE(errorAfterFailure,
                 QString("The report 'Score Report' could not be printed: %1 cannot "
                         "be opened for printing.")
                     .arg(failing));
        QVERIFY(openAfter);
        QCOMPARE(labelAfter, QString(kExamAScore));
        QVERIFY(!QFile::exists(failing));
    }

    // ---- items review ----------------------------------------------------------------------

    void reviewEntries_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("choices"); // the answer sheet entry's selected letters
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("correct");
        QTest::addColumn<QString>("letters"); // expected after the number and two blanks
        QTest::addColumn<int>("icon");
        QTest::newRow("exam: unanswered")
            << 1 << "" << false << false << "" << int(TReviewForm::Incomplete);
        QTest::newRow("exam: answered")
            << 1 << "ac" << false << false << "AC" << int(TReviewForm::Complete);
        QTest::newRow("exam: answered and marked")
            << 1 << "b" << true << true << "B" << int(TReviewForm::Marked);
        QTest::newRow("exam: marked, unanswered")
            << 1 << "" << true << false << "" << int(TReviewForm::Marked);
        QTest::newRow("graded: correct")
            << 3 << "b" << false << true << "B" << int(TReviewForm::Complete);
        QTest::newRow("graded: incorrect")
            << 3 << "bd" << false << false << "BD" << int(TReviewForm::Incorrect);
        QTest::newRow("graded: unanswered, marked")
            << 3 << "" << true << false << "" << int(TReviewForm::Incorrect);
        QTest::newRow("graded: six choices")
            << 3 << "abcdef" << false << true << "ABCDEF" << int(TReviewForm::Complete);
    }

    void reviewEntries()
    {
        QFETCH(int, mode);
        QFETCH(QString, choices);
        QFETCH(bool, marked);
        QFETCH(bool, correct);
        QFETCH(QString, letters);
        QFETCH(int, icon);
        if (mode == 3)
            STEP(reviewExamA());
        else
            STEP(startExamA());
        TItemAnswer& entry = ItemAnswers[2]; // item 3
        entry = TItemAnswer{};
        for (QChar c : choices)
            entry.choice(c.unicode() - u'a' + 1) = 1;
        entry.Marked = marked;
        entry.Correct = correct;

        QString caption;
        int shownIcon = -1;
        qint64 iconKey = 0;
        int count = 0;
        bool examLegend = false, gradedLegend = false, goEnabled = true, noCloseBox = false;
        test::onNextModal([&](QWidget*) {
            caption = ReviewForm->ListView1->item(2)->text();
            shownIcon = ReviewForm->entryIcon(2);
            iconKey = ReviewForm->ListView1->item(2)->icon().cacheKey();
            count = ReviewForm->ListView1->count();
            examLegend = ReviewForm->Panel5->isVisible();
            gradedLegend = ReviewForm->Panel4->isVisible();
            goEnabled = ReviewForm->BitBtn2->isEnabled();
            noCloseBox = !ReviewForm->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            clickButton(ReviewForm->BitBtn1);
        });
        clickButton(TestForm->Button1);
        QCOMPARE(caption, "3  " + letters);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(iconKey, ReviewForm->ImageList1[size_t(icon)].cacheKey());
        QCOMPARE(count, int(ItemAnswers.size()));
        QCOMPARE(examLegend, mode == 1);
        QCOMPARE(gradedLegend, mode == 3);
        QVERIFY(!goEnabled);
        QVERIFY(noCloseBox);
        QCOMPARE(ReviewForm->windowTitle(), QString("Items Review"));
    }

    void reviewShowsAnswersAsClicked()
    {
        // A multiple-response item whose only choice was cleared again is incomplete.
        STEP(startExamA());
        answer(4, "b");
        answer(4, "b");
        answer(3, "ce");
        QList<int> icons;
        QStringList captions;
        test::onNextModal([&](QWidget*) {
            for (int i = 0; i < ReviewForm->ListView1->count(); ++i) {
                icons << ReviewForm->entryIcon(i);
                captions << ReviewForm->ListView1->item(i)->text();
            }
            clickButton(ReviewForm->BitBtn1);
        });
        clickButton(TestForm->Button1);
        QVERIFY(test::goToItem(4));
        const int r4 = TestForm->dtCurrentSet->recNo();
        QVERIFY(test::goToItem(3));
        const int r3 = TestForm->dtCurrentSet->recNo();
        QCOMPARE(icons[r4 - 1], int(TReviewForm::Incomplete));
        QCOMPARE(captions[r4 - 1], QString::number(r4) + "  ");
        QCOMPARE(icons[r3 - 1], int(TReviewForm::Complete));
        QCOMPARE(captions[r3 - 1], QString::number(r3) + "  CE");
    }

    void goingToAnItem_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("how"); // "go", "double click", "return"
        QTest::newRow("exam, go button") << 1 << "go";
        QTest::newRow("exam, double click") << 1 << "double click";
        QTest::newRow("exam, return") << 1 << "return";
        QTest::newRow("review, go button") << 3 << "go";
        QTest::newRow("review, return") << 3 << "return";
    }

    void goingToAnItem()
    {
        QFETCH(int, mode);
        QFETCH(QString, how);
        if (mode == 3)
            STEP(reviewExamA());
        else
            STEP(startExamA());
        TestForm->dtCurrentSet->setRecNo(2);
        bool enabledAfterSelect = false;
        test::onNextModal([&](QWidget*) {
            QListWidget* list = ReviewForm->ListView1;
            const QRect entry = list->visualItemRect(list->item(4));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
            enabledAfterSelect = ReviewForm->BitBtn2->isEnabled();
            if (how == "go")
                clickButton(ReviewForm->BitBtn2);
            else if (how == "double click")
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry.center());
            else
                clickButton(ReviewForm->BitBtn1);
        });
        clickButton(TestForm->Button1);
        QVERIFY(enabledAfterSelect);
        QVERIFY(!ReviewForm->isVisible());
        const int expected = how == "return" ? 2 : 5;
        QCOMPARE(TestForm->dtCurrentSet->recNo(), expected);
        QCOMPARE(TestForm->Label1->text(), QString("Item %1 of 8").arg(expected));
        QCOMPARE(TestForm->FMode, mode);
        QCOMPARE(shown(TestForm->ExpText), mode == 3); // the review look in review mode
        // The go button starts disabled at the next opening, whatever was selected before.
        bool goEnabled = true;
        test::onNextModal([&](QWidget*) {
            goEnabled = ReviewForm->BitBtn2->isEnabled();
            clickButton(ReviewForm->BitBtn1);
        });
        clickButton(TestForm->Button1);
        QVERIFY(!goEnabled);
    }

    void reviewIconsAreDrawn()
    {
        // Four different pictures: a white square in a black frame, the symbol in its colour.
        QList<QImage> images;
        for (const QIcon& icon : ReviewForm->ImageList1)
            images << icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32);
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 0),
                                  QColor(255, 0, 0)};
        for (int i = 0; i < 4; ++i) {
            const QImage& image = images[i];
            QCOMPARE(image.size(), QSize(16, 16));
            QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
            QCOMPARE(image.pixelColor(15, 15), QColor(Qt::black));
            QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
            bool symbol = false, shadow = false;
            for (int y = 1; y < 15; ++y) {
                for (int x = 1; x < 15; ++x) {
                    symbol = symbol || image.pixelColor(x, y) == colours[i];
                    shadow = shadow || image.pixelColor(x, y) == QColor(128, 128, 128);
                }
            }
            QVERIFY2(symbol && shadow, qPrintable(QString::number(i)));
            for (int j = 0; j < i; ++j)
                QVERIFY(images[j] != image);
        }
    }

    // ---- item notes ------------------------------------------------------------------------

    void noteComesBackInTheNextExam()
    {
        STEP(startExamA());
        QVERIFY(test::goToItem(4));
        QString label;
        bool disabledAtFirst = false, enabledAfterTyping = false, disabledAfterSave = false;
        bool openAfterSave = false;
        test::onNextModal([&](QWidget*) {
            label = NoteForm->Label2->text();
            disabledAtFirst = !NoteForm->Button1->isEnabled() && !NoteForm->Button2->isEnabled();
            typeNote("Trusts run one way.");
            enabledAfterTyping = NoteForm->Button1->isEnabled() && NoteForm->Button2->isEnabled();
            clickButton(NoteForm->Button1);
            disabledAfterSave = !NoteForm->Button1->isEnabled() && !NoteForm->Button2->isEnabled();
            openAfterSave = NoteForm->isVisible();
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QCOMPARE(label, QString("Practice Exam A,  Item ID: 4"));
        QVERIFY(disabledAtFirst);
        QVERIFY(enabledAfterTyping);
        QVERIFY(disabledAfterSave);
        QVERIFY(openAfterSave);
        QCOMPARE(TestForm->dtCurrentSet->asString("U_MEMO"), QString("Trusts run one way."));
        TestForm->CloseCurrentExam();
        QCOMPARE(bankNote(4), QString("Trusts run one way."));

        // All Questions holds the item too.
        test::startExam(TestForm->AllQAct);
        QVERIFY(test::goToItem(4));
        QString memo, otherMemo;
        test::onNextModal([&](QWidget*) {
            memo = NoteForm->DBMemo1->toPlainText();
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QVERIFY(test::goToItem(5));
        test::onNextModal([&](QWidget*) {
            otherMemo = NoteForm->DBMemo1->toPlainText();
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QCOMPARE(memo, QString("Trusts run one way."));
        QCOMPARE(otherMemo, QString());
    }

    void unsavedNoteIsDropped_data()
    {
        QTest::addColumn<QString>("how"); // "exit", "cancel", "close box"
        QTest::newRow("exit") << "exit";
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("close box") << "close box";
    }

    void unsavedNoteIsDropped()
    {
        QFETCH(QString, how);
        STEP(startExamA());
        QVERIFY(test::goToItem(6));
        test::onNextModal([](QWidget*) {
            typeNote("Kept.");
            clickButton(NoteForm->Button1);
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QString memoAfterCancel;
        bool buttonsAfterCancel = true;
        test::onNextModal([&](QWidget*) {
            typeNote(" And lost.");
            if (how == "cancel") {
                clickButton(NoteForm->Button2);
                memoAfterCancel = NoteForm->DBMemo1->toPlainText();
                buttonsAfterCancel =
                    NoteForm->Button1->isEnabled() || NoteForm->Button2->isEnabled();
                clickButton(NoteForm->Button3);
            } else if (how == "exit") {
                clickButton(NoteForm->Button3);
            } else {
                NoteForm->close();
            }
        });
        clickButton(TestForm->NoteButton);
        if (how == "cancel") {
            QCOMPARE(memoAfterCancel, QString("Kept."));
            QVERIFY(!buttonsAfterCancel);
        }
        QVERIFY(!NoteForm->isVisible());
        QCOMPARE(TestForm->dtCurrentSet->state(), data::TableState::Browse);
        QCOMPARE(TestForm->dtCurrentSet->asString("U_MEMO"), QString("Kept."));
        QCOMPARE(bankNote(6), QString("Kept."));
        QString reopened;
        bool buttonsOnReopen = true;
        test::onNextModal([&](QWidget*) {
            reopened = NoteForm->DBMemo1->toPlainText();
            buttonsOnReopen = NoteForm->Button1->isEnabled() || NoteForm->Button2->isEnabled();
            // An empty note is saved as well.
            NoteForm->DBMemo1->selectAll();
            QTest::keyClick(NoteForm->DBMemo1, Qt::Key_Delete);
            clickButton(NoteForm->Button1);
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QCOMPARE(reopened, QString("Kept."));
        QVERIFY(!buttonsOnReopen);
        QCOMPARE(TestForm->dtCurrentSet->asString("U_MEMO"), QString());
        QCOMPARE(bankNote(6), QString());
    }

    void anyNoteSavesIntact_data()
    {
        QTest::addColumn<QString>("note");
        QTest::newRow("scripts and emoji") << QString::fromUtf8(
            "Ελληνικά, русский, 日本語, עברית, العربية, e\u0301, 😀 \U0001F9EA, tab\tend");
        QString big;
        for (int i = 0; big.size() < 1024 * 1024; ++i)
            big += QString("Line %1 of a long note: ünïcödé and plain text to fill a megabyte.\n")
                       .arg(i);
        QTest::newRow("1 MB") << big;
        QTest::newRow("no-break space and line separator")
            << QString::fromUtf8("one\u00a0word\u2028next line");
    }

    void anyNoteSavesIntact()
    {
        QFETCH(QString, note);
        STEP(startExamA());
        QVERIFY(test::goToItem(7));
        test::onNextModal([&](QWidget*) {
            NoteForm->DBMemo1->selectAll();
            typeNote(note);
            clickButton(NoteForm->Button1);
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        TestForm->CloseCurrentExam();
        QCOMPARE(bankNote(7), note);
        STEP(startExamA());
        QVERIFY(test::goToItem(7));
        QCOMPARE(TestForm->dtCurrentSet->asString("U_MEMO"), note);
        QString shownNote;
        test::onNextModal([&](QWidget*) {
            shownNote = NoteForm->DBMemo1->storedText();
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QCOMPARE(shownNote, note);
    }

    void lockedBankKeepsTheNoteUnsaved()
    {
        STEP(startExamA());
        QVERIFY(test::goToItem(8));
        QProcess helper;
        QString error;
        bool buttonsEnabled = false;
        QString errorAfterRetry;
        test::onNextModal([&](QWidget*) {
            typeNote("Written while the bank was locked.");
            helper.start(DORVALE_TEST_BIN "/tablehelper",
                         {"hold", QDir::currentPath(), "dorvale.DAT", "3000"});
            if (!helper.waitForStarted() || !helper.waitForReadyRead(5000))
                qWarning("tablehelper did not answer");
            clickButton(NoteForm->Button1);
            error = platform::ErrorBox::last();
            buttonsEnabled = NoteForm->Button1->isEnabled() && NoteForm->Button2->isEnabled();
            helper.waitForFinished(10000);
            // Once the lock is gone, saving again completes the save.
            platform::ErrorBox::clearLast();
            clickButton(NoteForm->Button1);
            errorAfterRetry = platform::ErrorBox::last();
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QCOMPARE(error, QString("The table 'dorvale.DAT' is in use by another program."));
        QVERIFY(buttonsEnabled);
        QVERIFY(errorAfterRetry.isEmpty());
        QCOMPARE(TestForm->dtQSet->state(), data::TableState::Browse);
        QCOMPARE(bankNote(8), QString("Written while the bank was locked."));
    }

    void noteSurvivesARestart()
    {
        STEP(startExamA());
        QVERIFY(test::goToItem(5));
        test::onNextModal([](QWidget*) {
            typeNote("Before the restart.");
            clickButton(NoteForm->Button1);
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        TestForm->CloseCurrentExam();
        const QString folder = QDir::currentPath();
        destroyForms();
        createForms(); // the main window moves to the program's folder, as it does at start-up
        QDir::setCurrent(folder);
        TestForm->show();
        STEP(startExamA());
        QVERIFY(test::goToItem(5));
        QString memo;
        test::onNextModal([&](QWidget*) {
            memo = NoteForm->DBMemo1->toPlainText();
            clickButton(NoteForm->Button3);
        });
        clickButton(TestForm->NoteButton);
        QCOMPARE(memo, QString("Before the restart."));
    }

    void noteSurvivesAKill()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--save-note-and-wait", QDir::currentPath(), "1", "Saved, then killed."});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains("saved") && child.waitForReadyRead(15000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.contains("saved"),
                 qPrintable(QString("exit code %1: ").arg(child.exitCode()) +
                            QString::fromUtf8(said + child.readAllStandardError())));
        child.kill(); // SIGKILL: nothing runs after the save
        child.waitForFinished();
        QCOMPARE(bankNote(1), QString("Saved, then killed."));
    }

    // ---- item printout ---------------------------------------------------------------------

    void itemPrintout_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("two choices")
            << 2 << QStringList{"a.  Choice a", "", "b.  Choice b", "", "", "", "", "", "",
                                "Explanation 2"};
        QTest::newRow("four choices") << 1 << QStringList{"a.  Choice a",
                                                          "",
                                                          "b.  Choice b",
                                                          "",
                                                          "c.  Choice c",
                                                          "",
                                                          "d.  Choice d",
                                                          "",
                                                          "",
                                                          "",
                                                          "",
                                                          "Explanation 1"};
        QTest::newRow("six choices") << 3
                                     << QStringList{"a.  Choice a",
                                                    "",
                                                    "b.  Choice b",
                                                    "",
                                                    "c.  Choice c",
                                                    "",
                                                    "d.  Choice d",
                                                    "",
                                                    "e.  Choice e",
                                                    "",
                                                    "f.  Choice f",
                                                    "",
                                                    "",
                                                    "Explanation 3"};
        QTest::newRow("a missing third choice")
            << 8
            << QStringList{
                   "a.  Choice a", "", "b.  Choice b", "", "", "d.  Choice d", "", "", "", "",
                   "Explanation 8"};
    }

    void itemPrintout()
    {
        QFETCH(int, id);
        QFETCH(QStringList, lines);
        STEP(startExamA());
        QVERIFY(test::goToItem(id));
        const int number = TestForm->dtCurrentSet->recNo();
        const QString pdf = outPath(QString("item%1.pdf").arg(id));
        printToPdf(pdf);
        TestForm->Print1->trigger();
        QVERIFY(platform::ErrorBox::last().isEmpty());
        const platform::ReportPage& page = TestForm->ItemReport->lastPrinted();
        QCOMPARE(page.item("ppMemo2").text.split('\n'), lines);
        QCOMPARE(page.item("ppMemo1").text, QString("Question %1").arg(id));
        QCOMPARE(page.item("ppLabel1").text, QString("Item Number: %1").arg(number));
        QCOMPARE(page.item("ppLabel4").text, QString("Dorvale 4.0, Practice Exam A"));
        QCOMPARE(page.item("ppLabel5").text, QString("Dorvale 4.0"));
        QCOMPARE(page.documentName, QString("Report"));
        QCOMPARE(page.paperMm, QSizeF(209.815, 296.335));
        const QString text = pdfText(pdf, {"-raw"});
        for (const QString& expected :
             {QString("Question %1").arg(id), QString("Item Number: %1").arg(number),
              QString("Explanation %1").arg(id), QString("Dorvale 4.0, Practice Exam A"),
              QString("Choice b")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
    }

    void longItemGrowsWithinThePage()
    {
        test::startExam(TestForm->ExamActions[1]);
        QVERIFY(test::goToItem(9));
        printToPdf(outPath("long.pdf"));
        TestForm->Print1->trigger();
        const platform::ReportPage& page = TestForm->ItemReport->lastPrinted();
        const platform::PageItem& question = page.item("ppMemo1");
        const platform::PageItem& choices = page.item("ppMemo2");
        const platform::PageItem& rule = page.item("ppLine2");
        // The question wraps onto many lines; the choices move down below it.
        QVERIFY2(question.rect.height() > 30, qPrintable(QString::number(question.rect.height())));
        QCOMPARE(question.rect.width(), 168.275);
        QVERIFY(rule.rect.top() >= question.rect.bottom());
        QVERIFY(choices.rect.top() > rule.rect.top());
        QVERIFY(choices.rect.bottom() <= page.item("ppLine4").rect.top());
        QVERIFY(pdfText(outPath("long.pdf"), {"-raw"}).contains("Explanation 9"));

        // A question longer than the page is cut off above the footer; nothing is drawn over it.
        ItemPrintContent huge;
        huge.question = QString("Words and more words. ").repeated(5000);
        huge.explanation = "Never seen.";
        const platform::ReportPage cut = itemReportPage(huge);
        const qreal footer = cut.item("ppLine4").rect.top();
        QVERIFY(cut.item("ppMemo1").rect.bottom() <= footer);
        QCOMPARE(cut.item("ppMemo2").rect.height(), 0.0);
        QVERIFY(cut.item("ppLine2").rect.top() <= footer);
        QCOMPARE(cut.item("ppLine2").rect.width(), 0.0);
    }

    void printDialogChoicesStayForTheRun()
    {
        STEP(startExamA());
        const QString pdf = outPath("kept.pdf");
        platform::ReportPrinter::setDialogHook([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setCopyCount(2);
            return true;
        });
        TestForm->Print1->trigger();
        QString fileSeen;
        int copiesSeen = 0;
        bool cancelled = false;
        platform::ReportPrinter::setDialogHook([&](QPrinter& printer) {
            fileSeen = printer.outputFileName();
            copiesSeen = printer.copyCount();
            cancelled = true;
            return false; // cancelled: nothing printed
        });
        QFile::remove(pdf);
        clickButton(TestForm->NextButton);
        TestForm->Print1->trigger();
        QVERIFY(cancelled);
        QCOMPARE(fileSeen, pdf);
        QCOMPARE(copiesSeen, 2);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(platform::ErrorBox::last().isEmpty());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--save-note-and-wait")
        return saveNoteAndWait(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                               QString::fromUtf8(argv[4]));
    ResultsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_results.moc"
