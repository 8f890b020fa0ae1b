// The User Exam from end to end: the user writes three items in the sampler, leaves it, takes
// the User Exam made of them, grades it and reviews it.

#include "TestSupport.h"

#include "app/MainUnit.h"
#include "exam/AnswerSheet.h"
#include "exam/NameUnit.h"
#include "exam/TestUnit.h"
#include "platform/DBControls.h"
#include "platform/MessageBox.h"
#include "platform/TfcLabel.h"
#include "platform/TfcShapeBtn.h"
#include "platform/WrapLabel.h"
#include "results/ScoreUnit.h"
#include "sampler/SamplerUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace dorvale;

namespace {

struct UserItem {
    QString question;
    QStringList choices;
    QString key; // letters of the correct choices
    int section; // 0: none chosen
};

void typeInto(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
}

void writeItem(const UserItem& item)
{
    TSamplerForm* s = SamplerForm;
    s->AddAct->trigger();
    typeInto(s->DBMemo1, item.question);
    s->PageControl1->setCurrentWidget(s->TabSheet2);
    s->ComboBox1->setCurrentIndex(item.key.size() > 1 ? 1 : 0);
    if (item.section > 0) {
        QListWidgetItem* entry = s->ListBox1->item(item.section - 1);
        QTest::mouseClick(s->ListBox1->viewport(), Qt::LeftButton, {},
                          s->ListBox1->visualItemRect(entry).center());
    }
    s->PageControl1->setCurrentWidget(s->TabSheet3);
    platform::TDBEdit* edits[] = {s->DBEdit2, s->DBEdit3, s->DBEdit4,
                                  s->DBEdit5, s->DBEdit6, s->DBEdit7};
    platform::TDBCheckBox* boxes[] = {s->DBCheckBox1, s->DBCheckBox2, s->DBCheckBox3,
                                      s->DBCheckBox4, s->DBCheckBox5, s->DBCheckBox6};
    for (int i = 0; i < item.choices.size(); ++i) {
        typeInto(edits[i], item.choices[i]);
        if (item.key.contains(QChar(u'a' + i)))
            QTest::mouseClick(boxes[i], Qt::LeftButton);
    }
    QTest::mouseClick(s->BitBtn1, Qt::LeftButton); // Save
}

} // namespace

class UserExamTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FormsFixture> forms_;

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        forms_ = std::make_unique<test::FormsFixture>(QList<bank::Item>{test::item(1, 1, 1, "a")});
        MainForm->show();
    }

    void cleanupTestCase() { forms_.reset(); }

    void writeTakeGradeAndReview()
    {
        // The first item of an empty set has no section unless one is chosen; later items take
        // over the section shown before Add.
        const QList<UserItem> items = {
            {"An item of my own without a section.", {"Yes", "No"}, "b", 0},
            {"Which tool creates a stripe set with parity?",
             {"Disk Administrator", "Server Manager", "Event Viewer"},
             "a",
             2},
            {"Which two groups exist on every domain controller? Choose two.",
             {"Account Operators", "Power Users", "Server Operators", "Domain Guests Local"},
             "ac",
             3},
        };
        // Writing them in the sampler, opened from the main window.
        test::onNextModal([&](QWidget*) {
            for (const UserItem& item : items)
                writeItem(item);
            platform::MessageBox::setNextAnswer(QMessageBox::Ok); // "Are you sure to exit?"
            SamplerForm->close();
        });
        QTest::mouseClick(MainForm->SamplerBtn, Qt::LeftButton);
        QVERIFY(MainForm->isVisible());

        // Taking the User Exam from the test window.
        bool examShown = false;
        test::onNextModal([&](QWidget*) {
            test::onNextModal([](QWidget*) { NameForm->BitBtn1->click(); });
            QTest::mouseClick(TestForm->UserBtn, Qt::LeftButton);
            examShown = true;
            TTestForm* f = TestForm;
            QCOMPARE(f->FMode, 1);
            QCOMPARE(f->FExamTitle, QString("User Exam"));
            QCOMPARE(f->FItemCount, 3);
            QVERIFY(!f->NoteButton->isVisibleTo(f));
            // Answer the first and third items right, the multiple-response one half right.
            for (int r = 1; r <= 3; ++r) {
                f->dtCurrentSet->setRecNo(r);
                QVERIFY(!f->ExhBtnA->isVisibleTo(f) && !f->ExhBtnB->isVisibleTo(f));
                const QString question = f->QText->text();
                const UserItem* item = nullptr;
                for (const UserItem& candidate : items)
                    if (candidate.question == question)
                        item = &candidate;
                QVERIFY(item);
                QCOMPARE(ItemAnswers[size_t(r - 1)].Section, item->section);
                QCOMPARE(f->CheckBoxes[0]->isVisibleTo(f), item->key.size() > 1);
                const QString answer = item->key.size() > 1 ? QString("a") : item->key;
                for (QChar letter : answer)
                    QTest::mouseClick(f->ALabels[size_t(letter.unicode() - 'a')], Qt::LeftButton);
            }
            // Grading, confirmed, shows the score window; View Answers enters the review.
            int correct = 0;
            test::onNextModal([&](QWidget*) {
                for (const TItemAnswer& entry : ItemAnswers)
                    correct += entry.Correct;
                ScoreForm->BitBtn1->click();
            });
            QTest::mouseClick(f->GradeButton, Qt::LeftButton);
            QCOMPARE(correct, 2);
            QCOMPARE(f->FMode, 3);
            QCOMPARE(f->GradeButton->text(), QString("Score Report"));
            QVERIFY(f->CorrectLabel->isVisibleTo(f));
            QVERIFY(!f->NoteButton->isVisibleTo(f));
            f->close(); // the review closes without a question
        });
        QTest::mouseClick(MainForm->StartTestBtn, Qt::LeftButton);
        QVERIFY(examShown);
        QVERIFY(MainForm->isVisible());
        QVERIFY(test::noModalLeft());
    }
};

QTEST_MAIN(UserExamTest)
#include "tst_userexam.moc"
