// Renders windows of the program in given states to PNG files, for looking at them:
//   shots OUTDIR [NAME...]
// It runs on the shipped tables in build/bin, answering message boxes with their default button.
#include "TestSupport.h"

#include "app/AboutUnit.h"
#include "app/MainUnit.h"
#include "app/OptionsUnit.h"
#include "app/Program.h"
#include "exam/AnswerSheet.h"
#include "exam/NameUnit.h"
#include "exam/TestUnit.h"
#include "platform/ControlFont.h"
#include "platform/DBControls.h"
#include "platform/MessageBox.h"
#include "platform/ReportPrinter.h"
#include "platform/TURLLabel.h"
#include "platform/WrapLabel.h"
#include "results/NoteUnit.h"
#include "results/ReviewUnit.h"
#include "results/ScoreUnit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <utility>
#include <vector>

using namespace dorvale;

namespace {

QString outDir;

void save(QWidget* w, const QString& name)
{
    QCoreApplication::processEvents();
    w->grab().save(QDir(outDir).filePath(name + QStringLiteral(".png")));
}

// Starts exam number exam (1..7) with the candidate dialog confirmed.
void startExam(int exam)
{
    test::onNextModal([](QWidget*) { NameForm->BitBtn1->click(); });
    TestForm->ExamActions[size_t(exam - 1)]->trigger();
}

// Answers the exam as a candidate who gets two items of three right, marks every fifth and
// leaves every seventh open.
void answerSome()
{
    for (size_t i = 0; i < ItemAnswers.size(); ++i) {
        TItemAnswer& entry = ItemAnswers[i];
        if (i % 7 == 6)
            continue;
        entry.Choice1 = i % 3 != 0;
        entry.Choice3 = i % 3 == 0;
        entry.Correct = i % 3 != 0;
        entry.Marked = i % 5 == 4;
    }
}

// Prints to a PDF file in the output folder in place of the print dialog.
void printTo(const QString& name)
{
    platform::ReportPrinter::setDialogHook([name](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(outDir).filePath(name + QStringLiteral(".pdf")));
        return true;
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    test::initEnvironment();
    createForms();
    QDir::setCurrent(QStringLiteral(DORVALE_BIN_DIR));
    outDir = app.arguments().value(1, QStringLiteral("/tmp"));
    QStringList wanted = app.arguments().mid(2);

    const std::vector<std::pair<QString, std::function<void()>>> shots = {
        {QStringLiteral("main"),
         [] {
             MainForm->show();
             save(MainForm, QStringLiteral("main"));
         }},
        {QStringLiteral("start"),
         [] {
             TestForm->show();
             save(TestForm, QStringLiteral("start"));
         }},
        {QStringLiteral("candidate"),
         [] {
             test::onNextModal([](QWidget* modal) {
                 save(modal, QStringLiteral("candidate"));
                 NameForm->BitBtn2->click();
             });
             TestForm->show();
             TestForm->RandAct->trigger();
         }},
        {QStringLiteral("exam"),
         [] {
             TestForm->show();
             startExam(1);
             save(TestForm, QStringLiteral("exam1"));
             for (int i = 0; i < 6; ++i) {
                 TestForm->NextButton->click();
                 save(TestForm, QStringLiteral("exam%1").arg(i + 2));
             }
         }},
        {QStringLiteral("options"),
         [] {
             test::onNextModal([](QWidget* modal) {
                 const char* pages[] = {"options-learn", "options-calculator", "options-timer"};
                 for (int page = 0; page < 3; ++page) {
                     OptionsForm->PageControl1->setCurrentIndex(page);
                     save(modal, QString::fromLatin1(pages[page]));
                 }
                 // The font dialog, with its colour, over the Options dialog.
                 test::onNextModal([](QWidget* fonts) {
                     save(fonts, QStringLiteral("options-font"));
                     auto* buttons = fonts->findChild<QDialogButtonBox*>();
                     buttons->button(QDialogButtonBox::Cancel)->click();
                 });
                 OptionsForm->BitBtn3->click();
                 modal->close();
             });
             TestForm->show();
             TestForm->Preferences1->trigger();
         }},
        {QStringLiteral("exam-fonts"),
         [] {
             // The three fonts as the Options dialog sets them, and Learn Now shown.
             platform::ControlFont(TestForm->QText)
                 .assign(QFont(QStringLiteral("DejaVu Serif"), 14, QFont::Bold), QColor(128, 0, 0));
             platform::ControlFont(TestForm->ScrollBox1)
                 .assign(QFont(QStringLiteral("Liberation Mono"), 12), QColor(0, 128, 128));
             platform::ControlFont(TestForm->ExpText)
                 .assign(QFont(QStringLiteral("DejaVu Sans"), 11, -1, true), QColor(128, 0, 128));
             TestForm->FShowLearnBtn = true;
             TestForm->LearnButton->show();
             TestForm->show();
             startExam(1);
             TestForm->LearnButton->click();
             save(TestForm, QStringLiteral("exam-fonts"));
         }},
        {QStringLiteral("about"),
         [] {
             test::onNextModal([](QWidget* modal) {
                 save(modal, QStringLiteral("about"));
                 // The pointer comes into the window and rests on the link.
                 QWindow* window = modal->windowHandle();
                 const QPointF corner(5, 5);
                 QEnterEvent entered(corner, corner, window->mapToGlobal(corner));
                 QCoreApplication::sendEvent(window, &entered);
                 QWidget* link = AboutForm->URLLabel1;
                 QTest::mouseMove(window, link->mapTo(modal, link->rect().center()));
                 save(modal, QStringLiteral("about-hover"));
                 AboutForm->BitBtn1->click();
             });
             TestForm->show();
             TestForm->About1->trigger();
         }},
        {QStringLiteral("score"),
         [] {
             TestForm->show();
             startExam(1);
             TestForm->FCandidateName = QStringLiteral("Alex Morgan");
             answerSome();
             test::onNextModal([](QWidget* modal) {
                 save(modal, QStringLiteral("score"));
                 printTo(QStringLiteral("score-report"));
                 ScoreForm->BitBtn2->click();
                 ScoreForm->BitBtn1->click();
             });
             TestForm->GradeButton->click();
             save(TestForm, QStringLiteral("score-review"));
             TestForm->CloseCurrentExam();
         }},
        {QStringLiteral("review"),
         [] {
             TestForm->show();
             startExam(2);
             answerSome();
             test::onNextModal([](QWidget* modal) {
                 save(modal, QStringLiteral("review-exam"));
                 ReviewForm->BitBtn1->click();
             });
             TestForm->Button1->click();
             test::onNextModal([](QWidget*) { ScoreForm->BitBtn1->click(); });
             TestForm->GradeButton->click();
             test::onNextModal([](QWidget* modal) {
                 save(modal, QStringLiteral("review-graded"));
                 ReviewForm->BitBtn1->click();
             });
             TestForm->Button1->click();
             TestForm->CloseCurrentExam();
         }},
        {QStringLiteral("note"),
         [] {
             TestForm->show();
             startExam(3);
             test::onNextModal([](QWidget* modal) {
                 NoteForm->DBMemo1->setPlainText(QStringLiteral(
                     "Check the trust direction: the trusting domain holds the resource, the "
                     "trusted domain holds the accounts.\nSee also the browser election items."));
                 save(modal, QStringLiteral("note"));
                 NoteForm->Button3->click();
             });
             TestForm->NoteButton->click();
             TestForm->CloseCurrentExam();
         }},
        {QStringLiteral("itemprint"),
         [] {
             TestForm->show();
             startExam(4);
             printTo(QStringLiteral("item-print"));
             TestForm->Print1->trigger();
             TestForm->NextButton->click();
             printTo(QStringLiteral("item-print2"));
             TestForm->Print1->trigger();
             TestForm->CloseCurrentExam();
         }},
    };
    for (const auto& [name, shot] : shots) {
        if (wanted.isEmpty() || wanted.contains(name))
            shot();
    }
    destroyForms();
    return 0;
}
