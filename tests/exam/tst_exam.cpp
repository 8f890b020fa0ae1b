// The test window driven as a user drives it: modes, the ten exam kinds, the candidate dialog,
// the item layout, answering, Learn Now, exhibits, the count-down and the calculator button.

#include "TestSupport.h"

#include "data/Error.h"
#include "exam/AnswerSheet.h"
#include "exam/NameUnit.h"
#include "exam/PictUnit1.h"
#include "exam/PictUnit2.h"
#include "exam/PrepareUnit.h"
#include "exam/ProgressUnit.h"
#include "exam/TestUnit.h"
#include "platform/ErrorBox.h"
#include "platform/MessageBox.h"
#include "platform/Processes.h"
#include "platform/TSpinEdit.h"
#include "platform/TddgRunButton.h"
#include "platform/TfcLabel.h"
#include "platform/TfcShapeBtn.h"
#include "platform/TimeCounter.h"
#include "platform/TimeFormat.h"
#include "platform/WrapLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <set>

using namespace dorvale;
using platform::MessageBox;

namespace {

// The fixture bank: exams 1 to 6 with items, exam 7 with none, two retired items.
QList<bank::Item> fixtureItems()
{
    QList<bank::Item> items;
    items << test::item(1, 1, 1, "b");
    items << test::item(2, 1, 2, "ac", 5);
    items << test::item(3, 1, 3, "a", 2); // two choices
    bank::Item gap =
        test::withChoices(test::item(4, 1, 4, "d"), {"Choice a", "Choice b", "", "Choice d"});
    items << gap; // c missing, d present
    bank::Item second = test::item(5, 1, 5, "a");
    second.pict2 = "small.png"; // exhibit 2 only
    items << second;
    items << test::item(6, 0, 1, "a"); // retired
    bank::Item both = test::item(7, 2, 6, "c");
    both.pict1 = "big.png";
    both.pict2 = "small.png";
    items << both;
    items << test::item(8, 2, 1, "bd");
    items << test::item(9, 0, 2, "a"); // retired
    bank::Item missing = test::item(10, 3, 2, "a");
    missing.pict1 = "missing.png";
    items << missing;
    bank::Item broken = test::item(11, 3, 3, "a");
    broken.pict1 = "notapicture.png";
    items << broken;
    bank::Item longItem = test::item(12, 4, 4, "a");
    longItem.question = QString("A long question with many words. ").repeated(3200); // 100 KB
    longItem.explanation = QString("A long explanation that wraps. ").repeated(3300);
    items << longItem;
    items << test::item(13, 5, 5, "a");
    items << test::item(14, 6, 6, "ab");
    return items;
}

const QList<int> kEligible = {1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13, 14};

QList<int> presentedIds()
{
    QList<int> ids;
    data::Table& ces = *TestForm->dtCurrentSet;
    for (int r = 1; r <= ces.recordCount(); ++r) {
        ces.setRecNo(r);
        ids << ces.asInteger("Q_OR_NUMBER");
    }
    ces.first();
    return ids;
}

QList<int> sorted(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool shown(QWidget* w)
{
    return w->isVisibleTo(TestForm);
}

// Types over the whole text of a number field, as a user does.
void typeInto(QAbstractSpinBox* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

} // namespace

class ExamTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FormsFixture> forms_;

    void endExam()
    {
        if (TestForm->FMode != 0)
            TestForm->CloseCurrentExam();
        MessageBox::clear();
        platform::ErrorBox::clearLast();
    }

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        forms_ = std::make_unique<test::FormsFixture>(fixtureItems());
        for (const char* name : {"big.png", "small.png", "notapicture.png"})
            forms_->addFixtureFile(name);
        TestForm->show();
    }

    void cleanupTestCase() { forms_.reset(); }

    void cleanup()
    {
        QVERIFY(test::noModalLeft());
        endExam();
    }

    void controlsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<bool>>("shownControls");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::addColumn<QString>("gradeCaption");
        // shown: start page, item area, button bar, banner, Label1, Label2, Label3, MarkBox,
        // TimeLabel, CorrectLabel, ReviewLabel; enabled: Exams menu, Print, Learn Now, tick.
        QTest::newRow("start page")
            << 0 << QList<bool>{true,  false, false, true,  false, false,
                                false, false, false, false, false}
            << QList<bool>{true, false, true, false} << QString("Grade Now");
        QTest::newRow("exam") << 1 << QList<bool>{false, true, true, false, true, true,
                                                  true,  true, true, false, false}
                              << QList<bool>{false, true, true, true} << QString("Grade Now");
        QTest::newRow("review") << 3 << QList<bool>{false, true,  true,  false, true, true,
                                                    true,  false, false, true,  true}
                                << QList<bool>{false, true, false, false} << QString("Grade Now");
    }

    void controlsByMode()
    {
        QFETCH(int, mode);
        QFETCH(QList<bool>, shownControls);
        QFETCH(QList<bool>, enabled);
        QFETCH(QString, gradeCaption);
        if (mode != 0)
            test::startExam(TestForm->ExamActions[0]);
        if (mode == 3) {
            TestForm->Timer1->setEnabled(false); // grading stops the tick before the review
            test::enterReview();
        }
        QCOMPARE(TestForm->FMode, mode);
        TTestForm* f = TestForm;
        const QList<QWidget*> controls = {f->Panel4,    f->ScrollBox1,   f->Panel2,     f->fcLabel1,
                                          f->Label1,    f->Label2,       f->Label3,     f->MarkBox,
                                          f->TimeLabel, f->CorrectLabel, f->ReviewLabel};
        for (int i = 0; i < controls.size(); ++i)
            QVERIFY2(shown(controls[i]) == shownControls[i], qPrintable(controls[i]->objectName()));
        QCOMPARE(f->N21->isEnabled(), enabled[0]);
        QCOMPARE(f->Print1->isEnabled(), enabled[1]);
        if (mode != 0)
            QCOMPARE(f->LearnButton->isEnabled(), enabled[2]);
        QCOMPARE(f->Timer1->enabled(), enabled[3]);
        if (mode != 0)
            QCOMPARE(f->GradeButton->text(), gradeCaption);
    }

    void windowGeometry()
    {
        QCOMPARE(TestForm->minimumSize(), QSize(732, 502));
        QCOMPARE(TestForm->windowTitle(), QString("Dorvale 4.0"));
        QVERIFY(TestForm->windowState() & Qt::WindowMaximized);
    }

    void startPageButtonsStayCentred_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("smallest") << 732;
        QTest::newRow("odd") << 901;
        QTest::newRow("wide") << 1280;
    }

    void startPageButtonsStayCentred()
    {
        QFETCH(int, width);
        TestForm->showNormal();
        TestForm->resize(width, 600);
        QCoreApplication::processEvents();
        const int W = TestForm->frameGeometry().width();
        const auto& exams = TestForm->ExamButtons;
        QCOMPARE(exams[0]->x(), int(platform::roundHalfEven((W - 7 * 30 - 36) / 2.0L)));
        for (size_t i = 1; i < exams.size(); ++i)
            QCOMPARE(exams[i]->x(), exams[i - 1]->x() + 30 + 6);
        QCOMPARE(TestForm->AllQBtn->x(), int(platform::roundHalfEven((W - 3 * 109 - 12) / 2.0L)));
        QCOMPARE(TestForm->RandomBtn->x(), TestForm->AllQBtn->x() + 109 + 6);
        QCOMPARE(TestForm->UserBtn->x(), TestForm->RandomBtn->x() + 109 + 6);
        TestForm->showMaximized();
    }

    void examKinds_data()
    {
        QTest::addColumn<QString>("actionName");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("ids");
        const QList<QList<int>> byExam = {{1, 2, 3, 4, 5}, {7, 8}, {10, 11}, {12}, {13}, {14}};
        for (int exam = 1; exam <= 6; ++exam) {
            const QString letter(QChar(u'A' + exam - 1));
            for (bool menu : {false, true})
                QTest::addRow("exam %s %s", qPrintable(letter), menu ? "menu" : "button")
                    << QString("Action%1").arg(exam) << menu << "Begin Practice Exam " + letter
                    << "Practice Exam " + letter << QString("Q_EXAM_N=%1").arg(exam)
                    << byExam[exam - 1];
        }
        for (bool menu : {false, true})
            QTest::addRow("all questions %s", menu ? "menu" : "button")
                << "AllQAct" << menu << "Take All Questions"
                << "All Questions"
                << "Q_EXAM_N<>0" << kEligible;
    }

    void examKinds()
    {
        QFETCH(QString, actionName);
        QFETCH(bool, fromMenu);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QList<int>, ids);
        auto* action = TestForm->findChild<QAction*>(actionName);
        QVERIFY(action);
        QString dialogCaption;
        bool numberEnabled = true;
        test::onNextModal([&](QWidget*) {
            dialogCaption = NameForm->windowTitle();
            numberEnabled = NameForm->SpinEdit2->isEnabled();
            NameForm->BitBtn1->click();
        });
        if (fromMenu) {
            QAction* item = nullptr;
            for (QAction* candidate : TestForm->N21->actions()) {
                if (candidate->text().remove('&') ==
                        title.mid(0).replace("All Questions", "Take All Questions") ||
                    candidate->text().remove('&') == title)
                    item = candidate;
            }
            QVERIFY(item);
            item->trigger();
        } else {
            QList<platform::TfcShapeBtn*> buttons(TestForm->ExamButtons.begin(),
                                                  TestForm->ExamButtons.end());
            buttons << TestForm->AllQBtn;
            platform::TfcShapeBtn* button = actionName == "AllQAct"
                                                ? TestForm->AllQBtn
                                                : buttons[actionName.right(1).toInt() - 1];
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(dialogCaption, caption);
        QVERIFY(!numberEnabled);
        QCOMPARE(TestForm->FMode, 1);
        QCOMPARE(TestForm->FExamTitle, title);
        QCOMPARE(TestForm->Label3->text(), title);
        QCOMPARE(TestForm->dtQSet->filter(), filter);
        const QList<int> presented = presentedIds();
        QCOMPARE(sorted(presented), ids); // every item exactly once, none retired
        QCOMPARE(TestForm->FItemCount, ids.size());
        QCOMPARE(int(ItemAnswers.size()), ids.size());
        QCOMPARE(TestForm->Label1->text(), QString("Item 1 of %1").arg(ids.size()));
        QCOMPARE(TestForm->Label2->text(), QString("Item ID: %1").arg(presented.first()));
    }

    void everyExamComesInANewOrder()
    {
        test::startExam(TestForm->AllQAct);
        const QList<int> first = presentedIds();
        endExam();
        test::startExam(TestForm->AllQAct);
        const QList<int> second = presentedIds();
        QCOMPARE(sorted(first), sorted(second));
        QVERIFY(first != second); // 12! orders: the same one twice is all but impossible
    }

    void randomExamDrawsDistinctEligibleItems()
    {
        int offered = 0;
        QPalette disabledLook;
        test::onNextModal([&](QWidget*) {
            offered = NameForm->SpinEdit2->value();
            QVERIFY(NameForm->SpinEdit2->isEnabled());
            typeInto(NameForm->SpinEdit2, "5");
            NameForm->BitBtn1->click();
        });
        TestForm->RandAct->trigger();
        QCOMPARE(offered, kEligible.size());
        QCOMPARE(NameForm->SpinEdit2->maximum(), kEligible.size());
        const QList<int> ids = presentedIds();
        QCOMPARE(ids.size(), 5);
        QCOMPARE(int(std::set<int>(ids.begin(), ids.end()).size()), 5);
        for (int id : ids)
            QVERIFY(kEligible.contains(id));
        QCOMPARE(TestForm->FExamTitle, QString("Random Exam"));
    }

    void drawIsAUniformArrangement()
    {
        // Every value placed once; over many draws each value takes each place about equally.
        std::vector<qint32> pool = {10, 20, 30, 40};
        std::map<std::pair<int, int>, int> counts;
        for (quint64 seed = 1; seed <= 4000; ++seed) {
            const auto order = DrawOrder(pool, 4, seed);
            QCOMPARE(std::set<qint32>(order.begin(), order.end()).size(), size_t(4));
            for (size_t k = 0; k < order.size(); ++k)
                ++counts[{int(k), order[k]}];
        }
        for (const auto& [place, count] : counts)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
        QCOMPARE(DrawOrder(pool, 2, 7).size(), size_t(2));
    }

    void candidateDialog()
    {
        // Cancel leaves the start page as it was, but for the exam title.
        const QString header = TestForm->Label3->text();
        test::onNextModal([](QWidget*) { NameForm->BitBtn2->click(); });
        TestForm->ExamActions[2]->trigger();
        QCOMPARE(TestForm->FMode, 0);
        QCOMPARE(TestForm->FExamTitle, QString("Practice Exam C"));
        QCOMPARE(TestForm->Label3->text(), header);
        QVERIFY(shown(TestForm->Panel4));

        // Escape cancels too; the date shows today at every showing.
        QString date;
        test::onNextModal([&](QWidget* modal) {
            date = NameForm->Label1->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        TestForm->ExamActions[1]->trigger();
        QCOMPARE(date,
                 "Date: " + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        QCOMPARE(TestForm->FMode, 0);

        // An entry out of range is brought into it; name and time are kept for the next exam.
        test::startExam(TestForm->ExamActions[0], [] {
            NameForm->NameEdit->setText("Ada Candidate");
            typeInto(NameForm->SpinEdit1, "700");
        });
        QCOMPARE(TestForm->FCandidateName, QString("Ada Candidate"));
        QCOMPARE(TestForm->FTimeLimit, 600 / 1440.0);
        endExam();
        test::startExam(TestForm->ExamActions[0], [] { typeInto(NameForm->SpinEdit1, "abc"); });
        QCOMPARE(TestForm->FTimeLimit, 1 / 1440.0); // not a number: the minimum
        QCOMPARE(NameForm->NameEdit->text(), QString("Ada Candidate"));
        endExam();

        // A fixed exam presets the default time; the Random Exam keeps the last time.
        test::startExam(TestForm->ExamActions[0], [] { typeInto(NameForm->SpinEdit1, "45"); });
        endExam();
        int randomTime = 0;
        int fixedTime = 0;
        QColor silver;
        test::onNextModal([&](QWidget*) {
            fixedTime = NameForm->SpinEdit1->value();
            silver = NameForm->SpinEdit2->palette().color(QPalette::Disabled, QPalette::Base);
            typeInto(NameForm->SpinEdit1, "45");
            NameForm->BitBtn1->click();
        });
        TestForm->ExamActions[0]->trigger();
        QCOMPARE(fixedTime, TestForm->FDefaultTime);
        QCOMPARE(silver, QColor(192, 192, 192));
        endExam();
        test::onNextModal([&](QWidget*) {
            randomTime = NameForm->SpinEdit1->value();
            NameForm->BitBtn2->click();
        });
        TestForm->RandAct->trigger();
        QCOMPARE(randomTime, 45);
    }

    void userExamOfAnEmptySetSaysSo()
    {
        TestForm->UserAct->trigger();
        QCOMPARE(MessageBox::lastText(), QString("User defined question set is empty!"));
        QCOMPARE(MessageBox::requests().last().kind, platform::MessageKind::Information);
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(!TestForm->dtUserSet->active());
    }

    void userExamTakesTheUsersItems()
    {
        data::Table& user = *TestForm->dtUserSet;
        user.open();
        for (const char* text : {"mine one", "mine two"}) {
            user.insert();
            user.setValue("Q_TEXT", QString(text));
            user.setValue("Q_SECT", 0);
            user.setValue("Q1", "yes");
            user.setValue("A1", true);
            user.post();
        }
        user.close();
        test::startExam(TestForm->UserAct);
        QCOMPARE(TestForm->FExamTitle, QString("User Exam"));
        QCOMPARE(sorted(presentedIds()), (QList<int>{1, 2}));
        QVERIFY(!shown(TestForm->NoteButton));
        QVERIFY(!shown(TestForm->ExhBtnA) && !shown(TestForm->ExhBtnB));
        QCOMPARE(ItemAnswers[0].Section, 0);
        endExam();
        // The next exam of another kind offers notes again.
        test::startExam(TestForm->ExamActions[0]);
        QVERIFY(shown(TestForm->NoteButton));
        endExam();
        user.setExclusive(true);
        user.emptyTable();
        user.setExclusive(false);
    }

    void untouchedItemWithoutAKeyStaysIncorrect()
    {
        // The sampler lets a user save an item without a key; showing it must not answer it.
        data::Table& user = *TestForm->dtUserSet;
        user.open();
        for (bool keyed : {true, false}) {
            user.insert();
            user.setValue("Q_TEXT", QString(keyed ? "keyed" : "no key"));
            user.setValue("Q_TYPE", true);
            user.setValue("Q1", QString("one"));
            user.setValue("Q2", QString("two"));
            user.setValue("A1", keyed);
            user.setValue("A2", keyed);
            user.post();
        }
        user.close();
        test::startExam(TestForm->UserAct);
        TTestForm* f = TestForm;
        for (const char* text : {"keyed", "no key", "keyed", "no key"}) {
            for (int r = 1; r <= 2; ++r) {
                f->dtCurrentSet->setRecNo(r);
                if (f->dtCurrentSet->asString("Q_TEXT") == QString(text))
                    break;
            }
            if (QString(text) == "keyed" && !f->CheckBoxes[0]->isChecked())
                QTest::mouseClick(f->CheckBoxes[0], Qt::LeftButton); // leaves a box ticked
        }
        const int unkeyed = f->dtCurrentSet->recNo() - 1;
        QCOMPARE(ItemAnswers[size_t(unkeyed)].Correct, quint8(0));
        QCOMPARE(ItemAnswers[size_t(unkeyed)].Choice1, quint8(0));
        endExam();
        user.setExclusive(true);
        user.emptyTable();
        user.setExclusive(false);
    }

    void examWithoutItemsStaysOnTheStartPage()
    {
        test::startExam(TestForm->ExamActions[6]);
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(shown(TestForm->Panel4));
        QVERIFY(MessageBox::lastText().contains("Practice Exam G"));
        QVERIFY(!TestForm->dtQSet->active());
    }

    void layoutOffsets_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("exam");
        QTest::addColumn<QList<bool>>("visibleChoices");
        QTest::addColumn<int>("anchor"); // the label the explanation stands below
        QTest::newRow("four choices")
            << 1 << 1 << QList<bool>{true, true, true, true, false, false} << 4;
        QTest::newRow("two choices")
            << 3 << 1 << QList<bool>{true, true, false, false, false, false} << 2;
        QTest::newRow("gap at c") << 4 << 1 << QList<bool>{true, true, false, true, false, false}
                                  << 4;
        QTest::newRow("multiple, five")
            << 2 << 1 << QList<bool>{true, true, true, true, true, false} << 5;
    }

    void layoutOffsets()
    {
        QFETCH(int, id);
        QFETCH(int, exam);
        QFETCH(QList<bool>, visibleChoices);
        QFETCH(int, anchor);
        test::startExam(TestForm->ExamActions[exam - 1]);
        QVERIFY(test::goToItem(id));
        TTestForm* f = TestForm;
        const bool multiple = f->dtCurrentSet->asBoolean("Q_TYPE");
        const int area = f->ScrollBox1->width();
        QCOMPARE(f->QText->width(), f->QPanel->width() - 16);
        QCOMPARE(f->QPanel->height(), f->QText->height() + 16);
        QCOMPARE(f->ExhBtnA->y(), f->QPanel->height() + 2);
        QCOMPARE(f->ALabels[0]->y(), f->QPanel->height() + 42);
        for (int n = 1; n <= 6; ++n) {
            platform::WrapLabel* label = f->ALabels[size_t(n - 1)];
            QCOMPARE(shown(label), visibleChoices[n - 1]);
            QVERIFY(label->width() <= area - 110);
            QCOMPARE(shown(f->RadioButtons[size_t(n - 1)]), visibleChoices[n - 1] && !multiple);
            QCOMPARE(shown(f->CheckBoxes[size_t(n - 1)]), visibleChoices[n - 1] && multiple);
            QWidget* control = multiple ? static_cast<QWidget*>(f->CheckBoxes[size_t(n - 1)])
                                        : static_cast<QWidget*>(f->RadioButtons[size_t(n - 1)]);
            if (visibleChoices[n - 1])
                QCOMPARE(control->y(), label->y());
            if (n > 1) {
                platform::WrapLabel* above = f->ALabels[size_t(n - 2)];
                QCOMPARE(label->y(),
                         above->y() + above->height() + 15); // hidden ones keep their room
            }
        }
        platform::WrapLabel* anchorLabel = f->ALabels[size_t(anchor - 1)];
        QCOMPARE(f->ExpText->y(), anchorLabel->y() + anchorLabel->height() + 40);
        QCOMPARE(f->ExpText->x(), 8);
        QVERIFY(f->ExpText->width() <= area - 38);
        // Nothing is drawn over anything else.
        for (int n = 1; n <= 6; ++n) {
            if (visibleChoices[n - 1])
                QVERIFY(f->ExpText->y() >=
                        f->ALabels[size_t(n - 1)]->y() + f->ALabels[size_t(n - 1)]->height());
        }
    }

    void exhibitButtons()
    {
        test::startExam(TestForm->ExamActions[0]);
        QVERIFY(test::goToItem(1));
        QVERIFY(!shown(TestForm->ExhBtnA) && !shown(TestForm->ExhBtnB));
        QCOMPARE(TestForm->ALabels[0]->y(), TestForm->QPanel->height() + 42);
        QVERIFY(test::goToItem(5)); // exhibit 2 only: alone at left 96
        QVERIFY(!shown(TestForm->ExhBtnA));
        QVERIFY(shown(TestForm->ExhBtnB));
        QCOMPARE(TestForm->ExhBtnB->x(), 96);
        QCOMPARE(TestForm->ExhBtnB->y(), TestForm->QPanel->height() + 2);
    }

    void exhibitWindowsFitTheirPictures()
    {
        test::startExam(TestForm->ExamActions[1]);
        QVERIFY(test::goToItem(7));
        QSize first, second;
        QString caption1, caption2;
        test::onNextModal([&](QWidget* modal) {
            first = Pict1Form->Image1->size();
            caption1 = modal->windowTitle();
            QCOMPARE(modal, Pict1Form);
            modal->close();
        });
        QTest::mouseClick(TestForm->ExhBtnA, Qt::LeftButton);
        test::onNextModal([&](QWidget* modal) {
            second = Pict2Form->Image1->size();
            caption2 = modal->windowTitle();
            QCOMPARE(modal->pos(), QPoint(457, 101));
            modal->close();
        });
        QTest::mouseClick(TestForm->ExhBtnB, Qt::LeftButton);
        QCOMPARE(first, QSize(120, 80));
        QCOMPARE(caption1, QString("Exhibit 1"));
        QCOMPARE(second, QSize(40, 30));
        QCOMPARE(caption2, QString("Exhibit 2"));
        QCOMPARE(Pict2Form->size(), QSize(40, 30));
        // The same window shows a smaller picture at the smaller size.
        Pict1Form->loadPicture("small.png");
        QCOMPARE(Pict1Form->size(), QSize(40, 30));
    }

    void badPicturesAreReportedAndTheExamGoesOn_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << 10 << "missing.png";
        QTest::newRow("not a picture") << 11 << "notapicture.png";
    }

    void badPicturesAreReportedAndTheExamGoesOn()
    {
        QFETCH(int, id);
        QFETCH(QString, file);
        test::startExam(TestForm->ExamActions[2]);
        QVERIFY(test::goToItem(id));
        QTest::mouseClick(TestForm->ExhBtnA, Qt::LeftButton);
        QVERIFY2(platform::ErrorBox::last().contains(file), qPrintable(platform::ErrorBox::last()));
        QVERIFY(!Pict1Form->isVisible());
        QCOMPARE(TestForm->FMode, 1);
    }

    void longItemScrollsAndStartsAtTheTop()
    {
        test::startExam(TestForm->ExamActions[3]);
        TTestForm* f = TestForm;
        QVERIFY(f->ScrollBox1->verticalScrollBar()->isVisibleTo(f));
        QVERIFY(f->ItemContent->height() > f->ScrollBox1->height());
        QVERIFY(f->ALabels[0]->y() >= f->QPanel->y() + f->QPanel->height());
        f->ScrollBox1->verticalScrollBar()->setValue(5000);
        f->LearnButtonClick();
        QVERIFY(f->ExpText->y() > f->ALabels[0]->y() + f->ALabels[0]->height());
        QVERIFY(f->ItemContent->height() >= f->ExpText->y() + f->ExpText->height());
        f->dtCurrentSet->first(); // every item change starts at the top
        QCOMPARE(f->ScrollBox1->verticalScrollBar()->value(), 0);
    }

    void answersComeBackOnEveryItem()
    {
        test::startExam(TestForm->ExamActions[0]);
        TTestForm* f = TestForm;
        QVERIFY(test::goToItem(1));
        QTest::mouseClick(f->RadioButtons[1], Qt::LeftButton); // b
        QTest::mouseClick(f->ALabels[3], Qt::LeftButton);      // then d, by its text
        QTest::mouseClick(f->MarkBox, Qt::LeftButton);
        QVERIFY(test::goToItem(2));
        QVERIFY(!shown(f->RadioButtons[0]));
        QTest::mouseClick(f->CheckBoxes[0], Qt::LeftButton); // a
        QTest::mouseClick(f->ALabels[2], Qt::LeftButton);    // c, by its text
        QVERIFY(!f->MarkBox->isChecked());
        const std::vector<TItemAnswer> sheet = ItemAnswers;

        QVERIFY(test::goToItem(1));
        QVERIFY(!f->RadioButtons[1]->isChecked());
        QVERIFY(f->RadioButtons[3]->isChecked());
        QVERIFY(f->MarkBox->isChecked());
        QVERIFY(test::goToItem(3)); // unanswered: nothing checked
        for (QRadioButton* radio : f->RadioButtons)
            QVERIFY(!radio->isChecked());
        QVERIFY(test::goToItem(2));
        QVERIFY(f->CheckBoxes[0]->isChecked() && f->CheckBoxes[2]->isChecked());
        QVERIFY(!f->CheckBoxes[1]->isChecked());
        // Restoring wrote nothing new into the sheet.
        for (size_t i = 0; i < sheet.size(); ++i)
            QVERIFY(std::memcmp(&sheet[i], &ItemAnswers[i], sizeof(TItemAnswer)) == 0);
        const int r1 = presentedIds().indexOf(1);
        QCOMPARE(ItemAnswers[size_t(r1)].Choice2, 0);
        QCOMPARE(ItemAnswers[size_t(r1)].Choice4, 1);
        QCOMPARE(ItemAnswers[size_t(r1)].Marked, 1);
    }

    void clickingTheSelectedChoiceTextChangesNothing()
    {
        test::startExam(TestForm->ExamActions[0]);
        QVERIFY(test::goToItem(1));
        QTest::mouseClick(TestForm->ALabels[1], Qt::LeftButton);
        const std::vector<TItemAnswer> sheet = ItemAnswers;
        QTest::mouseClick(TestForm->ALabels[1], Qt::LeftButton);
        QVERIFY(TestForm->RadioButtons[1]->isChecked());
        for (size_t i = 0; i < sheet.size(); ++i)
            QVERIFY(std::memcmp(&sheet[i], &ItemAnswers[i], sizeof(TItemAnswer)) == 0);
        // A multiple-response choice text toggles its box each time.
        QVERIFY(test::goToItem(2));
        QTest::mouseClick(TestForm->ALabels[4], Qt::LeftButton);
        QVERIFY(TestForm->CheckBoxes[4]->isChecked());
        QTest::mouseClick(TestForm->ALabels[4], Qt::LeftButton);
        QVERIFY(!TestForm->CheckBoxes[4]->isChecked());
        QCOMPARE(ItemAnswers[size_t(presentedIds().indexOf(2))].Choice5, 0);
    }

    void correctness_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("correct");
        QTest::newRow("single, key") << 1 << "b" << true;
        QTest::newRow("single, other") << 1 << "c" << false;
        QTest::newRow("single, changed to key") << 1 << "ab" << true; // a, then b: only b remains
        QTest::newRow("multiple, exactly the key") << 2 << "ac" << true;
        QTest::newRow("multiple, one too many") << 2 << "acd" << false;
        QTest::newRow("multiple, one missing") << 2 << "a" << false;
        QTest::newRow("multiple, cleared again") << 2 << "aa" << false;
        QTest::newRow("untouched") << 2 << "" << false;
    }

    void correctness()
    {
        QFETCH(int, id);
        QFETCH(QString, answer);
        QFETCH(bool, correct);
        test::startExam(TestForm->ExamActions[0]);
        QVERIFY(test::goToItem(id));
        for (QChar letter : answer)
            QTest::mouseClick(TestForm->ALabels[size_t(letter.unicode() - 'a')], Qt::LeftButton);
        QCOMPARE(ItemAnswers[size_t(TestForm->dtCurrentSet->recNo() - 1)].Correct, quint8(correct));
    }

    void reviewIsReadOnly()
    {
        test::startExam(TestForm->ExamActions[0]);
        TTestForm* f = TestForm;
        QVERIFY(test::goToItem(1));
        QTest::mouseClick(f->RadioButtons[2], Qt::LeftButton); // c: incorrect
        QVERIFY(test::goToItem(2));
        QTest::mouseClick(f->CheckBoxes[0], Qt::LeftButton);
        const std::vector<TItemAnswer> sheet = ItemAnswers;
        test::enterReview();
        QVERIFY(test::goToItem(1));
        QVERIFY(shown(f->ExpText));
        QCOMPARE(f->CorrectLabel->text(), QString("Incorrect"));
        QCOMPARE(f->CorrectLabel->textColor(), QColor(255, 0, 0));
        QCOMPARE(f->ALabels[1]->background(), QColor(0, 255, 255)); // the key, b
        QCOMPARE(f->ALabels[2]->background(), QColor(Qt::white));
        QTest::mouseClick(f->RadioButtons[1], Qt::LeftButton);
        QTest::mouseClick(f->ALabels[0], Qt::LeftButton);
        QVERIFY(f->RadioButtons[2]->isChecked());
        QVERIFY(!f->RadioButtons[1]->isChecked() && !f->RadioButtons[0]->isChecked());
        QVERIFY(test::goToItem(2));
        QTest::mouseClick(f->CheckBoxes[0], Qt::LeftButton);
        QTest::mouseClick(f->ALabels[3], Qt::LeftButton);
        QVERIFY(f->CheckBoxes[0]->isChecked() && !f->CheckBoxes[3]->isChecked());
        for (size_t i = 0; i < sheet.size(); ++i)
            QVERIFY(std::memcmp(&sheet[i], &ItemAnswers[i], sizeof(TItemAnswer)) == 0);
        QVERIFY(test::goToItem(3)); // unanswered
        QCOMPARE(f->CorrectLabel->text(), QString("Incorrect"));
    }

    void navigationButtons()
    {
        test::startExam(TestForm->ExamActions[0]);
        TTestForm* f = TestForm;
        QVERIFY(!f->PrevButton->isEnabled());
        QVERIFY(f->NextButton->isEnabled());
        for (int i = 2; i <= 5; ++i) {
            QTest::mouseClick(f->NextButton, Qt::LeftButton);
            QCOMPARE(f->Label1->text(), QString("Item %1 of 5").arg(i));
        }
        QVERIFY(!f->NextButton->isEnabled());
        QVERIFY(f->PrevButton->isEnabled());
        QTest::mouseClick(f->PrevButton, Qt::LeftButton);
        QCOMPARE(f->Label1->text(), QString("Item 4 of 5"));
        endExam();
        test::startExam(TestForm->ExamActions[3]); // one item: both disabled
        QVERIFY(!f->PrevButton->isEnabled() && !f->NextButton->isEnabled());
    }

    void learnNowRevealsUntilTheNextItem()
    {
        test::startExam(TestForm->ExamActions[0]);
        TTestForm* f = TestForm;
        f->LearnButton->show();
        QVERIFY(test::goToItem(2));
        QVERIFY(!shown(f->ExpText));
        QTest::mouseClick(f->LearnButton, Qt::LeftButton);
        QVERIFY(shown(f->ExpText));
        const QList<QColor> expected = {QColor(0, 255, 255), Qt::white, QColor(0, 255, 255),
                                        Qt::white,           Qt::white, Qt::white};
        for (int n = 0; n < 6; ++n)
            QCOMPARE(f->ALabels[size_t(n)]->background(), expected[n]);
        QVERIFY(!shown(f->CorrectLabel));
        // Answering still works, and a resize keeps what was revealed.
        QTest::mouseClick(f->CheckBoxes[0], Qt::LeftButton);
        QCOMPARE(ItemAnswers[size_t(f->dtCurrentSet->recNo() - 1)].Choice1, 1);
        f->resize(f->width() - 50, f->height());
        QCoreApplication::processEvents();
        QVERIFY(shown(f->ExpText));
        QCOMPARE(f->ALabels[0]->background(), QColor(0, 255, 255));
        // The next item shows white choices and no explanation, also when coming back.
        f->NextButtonClick();
        f->PrevButtonClick();
        QVERIFY(!shown(f->ExpText));
        QCOMPARE(f->ALabels[0]->background(), QColor(Qt::white));
        f->LearnButton->setVisible(f->FShowLearnBtn);
        f->showMaximized();
    }

    void closeQueryByMode()
    {
        // On the start page the window closes without a question and the main window returns.
        TestForm->close();
        QVERIFY(!TestForm->isVisible());
        QVERIFY(MessageBox::requests().isEmpty());
        TestForm->show();

        test::startExam(TestForm->ExamActions[0]);
        QVERIFY(test::goToItem(3));
        QTest::mouseClick(TestForm->RadioButtons[0], Qt::LeftButton);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        TestForm->close();
        QCOMPARE(MessageBox::lastText(), QString("This exam is not completed.\nAre you shure ?"));
        QCOMPARE(MessageBox::requests().last().kind, platform::MessageKind::Warning);
        QVERIFY(TestForm->isVisible());
        QCOMPARE(TestForm->FMode, 1);
        QCOMPARE(TestForm->dtCurrentSet->asInteger("Q_OR_NUMBER"), 3);
        QVERIFY(TestForm->RadioButtons[0]->isChecked());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        TestForm->close();
        QVERIFY(!TestForm->isVisible());
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(!TestForm->dtCurrentSet->active());
        TestForm->show();
    }

    void exitExamAsks()
    {
        test::startExam(TestForm->ExamActions[0]);
        MessageBox::setNextAnswer(QMessageBox::No);
        QTest::mouseClick(TestForm->Button3, Qt::LeftButton);
        QCOMPARE(MessageBox::lastText(), QString("Are you sure you wish to end this exam?"));
        QCOMPARE(TestForm->FMode, 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(TestForm->Button3, Qt::LeftButton);
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(shown(TestForm->Panel4));
        QVERIFY(TestForm->N21->isEnabled());
        QVERIFY(!TestForm->dtQSet->active());
        QCOMPARE(TestForm->dtQSet->filter(), QString());
    }

    void countDownExpiresOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << int(QMessageBox::Ok);
        QTest::newRow("close box") << int(QMessageBox::NoButton); // goes on, as OK does
    }

    void countDownExpiresOnce()
    {
        QFETCH(int, answer);
        QDateTime now = QDateTime::currentDateTime();
        TestForm->Timer1->setClock([&] { return now; });
        test::startExam(TestForm->ExamActions[0], [] { typeInto(NameForm->SpinEdit1, "1"); });
        TTestForm* f = TestForm;
        QVERIFY(shown(f->TimeLabel));
        QVERIFY(f->Timer1->enabled());
        QCOMPARE(f->TimeLabel->text(), platform::formatTimeValue(1 / 1440.0));
        now = now.addSecs(1);
        f->Timer1->tick();
        QCOMPARE(f->TimeLabel->text(), platform::formatTimeValue(59 / 86400.0));
        now = now.addSecs(58);
        f->Timer1->tick();
        QVERIFY(MessageBox::requests().isEmpty());
        now = now.addSecs(1);
        MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
        f->Timer1->tick();
        QCOMPARE(MessageBox::requests().size(), 1);
        const MessageBox::Request asked = MessageBox::requests().first();
        QCOMPARE(asked.caption, QString("Information"));
        QCOMPARE(asked.text,
                 QString("Your time has expired.\nDo you want continue the exam anyway?"));
        QCOMPARE(asked.buttons, QMessageBox::No | QMessageBox::Ok);
        QCOMPARE(asked.defaultButton, QMessageBox::Ok);
        QVERIFY(!shown(f->TimeLabel));
        QVERIFY(!f->Timer1->enabled());
        now = now.addSecs(60);
        f->Timer1->tick(); // the tick is off: no second question
        QCOMPARE(MessageBox::requests().size(), 1);
        QCOMPARE(f->FMode, 1);
        f->Timer1->setClock([] { return QDateTime::currentDateTime(); });
    }

    void expiryAnsweredNoAsksToGrade()
    {
        QDateTime now = QDateTime::currentDateTime();
        TestForm->Timer1->setClock([&] { return now; });
        test::startExam(TestForm->ExamActions[0], [] { typeInto(NameForm->SpinEdit1, "1"); });
        now = now.addSecs(75); // a busy thread: ticks due meanwhile come as one
        MessageBox::setNextAnswer(QMessageBox::No);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        TestForm->Timer1->tick();
        QCOMPARE(MessageBox::requests().size(), 2);
        QCOMPARE(MessageBox::requests().last().text,
                 QString("This will end your practice exam.\nAre you sure to end this exam?"));
        // Grading refused: the exam goes on without a limit, the last time still shown.
        QCOMPARE(TestForm->FMode, 1);
        QVERIFY(shown(TestForm->TimeLabel));
        QCOMPARE(TestForm->TimeLabel->text(), platform::formatTimeValue(0));
        TestForm->Timer1->setClock([] { return QDateTime::currentDateTime(); });
    }

    void timerSettingOffShowsNoTime()
    {
        TestForm->FTimerOn = false;
        test::startExam(TestForm->ExamActions[0]);
        QVERIFY(!shown(TestForm->TimeLabel));
        QVERIFY(!TestForm->Timer1->enabled());
        TestForm->FTimerOn = true;
    }

    void calculatorPathChecks_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("permissions"); // "x" executable, "-" plain, "" none
        QTest::addColumn<QString>("message");     // empty: accepted
        QTest::newRow("executable") << "calc"
                                    << "x"
                                    << "";
        QTest::newRow("not executable") << "notes.txt"
                                        << "-"
                                        << "%1 is not an executable file.";
        QTest::newRow("missing") << "nocalc"
                                 << ""
                                 << "The file: %1 cannot be found.";
        QTest::newRow("a folder") << "."
                                  << "x"
                                  << "%1 is not an executable file.";
    }

    void calculatorPathChecks()
    {
        QFETCH(QString, file);
        QFETCH(QString, permissions);
        QFETCH(QString, message);
        const QString path = file == "." ? forms_->path(QString()) : forms_->path(file);
        if (!permissions.isEmpty() && file != ".") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
            f.close();
            f.setPermissions(permissions == "x"
                                 ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                 : QFile::ReadOwner | QFile::WriteOwner);
        }
        QFile before(forms_->path("calc-before"));
        QVERIFY(before.open(QIODevice::WriteOnly));
        before.close();
        before.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        platform::TddgRunButton button;
        button.setCommandLine(before.fileName());
        QString error;
        try {
            button.setCommandLine(path);
        } catch (const dorvale::Error& e) {
            error = e.message();
        }
        QCOMPARE(error, message.isEmpty() ? QString() : message.arg(path));
        QCOMPARE(button.commandLine(), message.isEmpty() ? path : forms_->path("calc-before"));
    }

    void calculatorButtonStartsItsProgram()
    {
        QFile program(forms_->path("calc-before"));
        QString started;
        int result = 0;
        platform::Processes::startHook = [&](const QString& path) {
            started = path;
            return result;
        };
        TestForm->FCalcPath = program.fileName();
        TestForm->FShowCalcBtn = true;
        TestForm->SetUpCalcButton();
        QVERIFY(!TestForm->CalcButton->isHidden());
        test::startExam(TestForm->ExamActions[0]);
        QTest::mouseClick(TestForm->CalcButton, Qt::LeftButton);
        QCOMPARE(started, program.fileName());
        QCOMPARE(TestForm->CalcButton->y(), TestForm->ExhBtnA->y());
        QCOMPARE(TestForm->CalcButton->x() + TestForm->CalcButton->width(),
                 TestForm->ItemContent->width() - 1);
        result = 13;
        QTest::mouseClick(TestForm->CalcButton, Qt::LeftButton);
        QCOMPARE(platform::ErrorBox::last(), QString("Error executing program. Error Code:; 13"));
        QCOMPARE(TestForm->FMode, 1);
        platform::Processes::startHook = nullptr;

        // No program at the path when the window sets the button up: hidden, setting off.
        TestForm->FCalcPath = forms_->path("no-such-calculator");
        TestForm->SetUpCalcButton();
        QVERIFY(TestForm->CalcButton->isHidden());
        QVERIFY(!TestForm->FShowCalcBtn);
    }

    void calculatorReallyStarts()
    {
        // A real start of a program that exits at once: not waited on, and no error.
        QFile script(forms_->path("quick-calc"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"$0.ran\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(platform::Processes::startDetached(script.fileName()), 0);
        QTRY_VERIFY(QFile::exists(script.fileName() + ".ran"));
        QCOMPARE(platform::Processes::startDetached(forms_->path("absent")), ENOENT);
    }

    void failedPreparationLeavesTheStartPageUsable()
    {
        // The current exam set cannot be written: the preparation fails part-way.
        const QString ces = forms_->path("ces.DAT");
        QFile::rename(ces, ces + ".away");
        QFile bad(ces);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray(4096, 'x'));
        bad.close();
        test::startExam(TestForm->ExamActions[0]);
        QVERIFY2(platform::ErrorBox::last().contains("ces.DAT"),
                 qPrintable(platform::ErrorBox::last()));
        QVERIFY(!ProgressForm->isVisible());
        QCOMPARE(TestForm->FMode, 0);
        QVERIFY(shown(TestForm->Panel4));
        QVERIFY(TestForm->N21->isEnabled());
        QFile::remove(ces);
        QFile::rename(ces + ".away", ces);
        test::startExam(TestForm->ExamActions[0]);
        QCOMPARE(TestForm->FMode, 1);
    }
};

QTEST_MAIN(ExamTest)
#include "tst_exam.moc"
