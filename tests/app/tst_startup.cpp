// Start-up and the main window: the windows created once in their order, the working directory,
// the three buttons, and the program finding its tables from any starting folder.

#include "TestSupport.h"

#include "app/MainUnit.h"
#include "app/Program.h"
#include "exam/TestUnit.h"
#include "platform/ErrorBox.h"
#include "platform/MessageBox.h"
#include "platform/TForm.h"
#include "platform/TfcShapeBtn.h"
#include "sampler/Rep1Unit.h"
#include "sampler/SamplerUnit.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace dorvale;

class StartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tables_;

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        test::writeTables(tables_.path(), {test::item(1, 1, 1, QStringLiteral("a"))});
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        createForms();
        MainForm->show();
    }

    void cleanupTestCase() { destroyForms(); }

    void init() { QDir::setCurrent(tables_.path()); }
    void cleanup() { QVERIFY(test::noModalLeft()); }

    void windowsAreCreatedOnceInOrder()
    {
        QStringList classes;
        for (QObject* form : platform::FormRegistry::all())
            classes << QString::fromLatin1(form->metaObject()->className())
                           .section(QStringLiteral("::"), -1);
        QCOMPARE(classes,
                 (QStringList{"TMainForm", "TTestForm", "TProgressForm", "TScoreForm", "TNameForm",
                              "TReviewForm", "TNoteForm", "TOptionsForm", "TDM", "TAboutForm",
                              "TSamplerForm", "TPict1Form", "TPict2Form"}));
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("Dorvale 4.0"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Dorvale 4.0"));
    }

    void mainWindowSetsTheProgramFolderAsWorkingDirectory()
    {
        // createForms() ran with another folder current; a fresh main window does the same.
        QDir::setCurrent(QDir::tempPath());
        TMainForm another;
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    }

    void mainWindowLayout()
    {
        QCOMPARE(MainForm->Image1->size(), QSize(221, 48));
        QCOMPARE(MainForm->Panel3->size(), QSize(232, 148));
        const QList<std::pair<platform::TfcShapeBtn*, QRect>> buttons = {
            {MainForm->StartTestBtn, QRect(47, 14, 138, 34)},
            {MainForm->SamplerBtn, QRect(47, 50, 138, 34)},
            {MainForm->fcShapeBtn3, QRect(47, 102, 138, 34)}};
        for (const auto& [button, geometry] : buttons)
            QCOMPARE(button->geometry(), geometry);
        QCOMPARE(MainForm->StartTestBtn->text(), QStringLiteral("Start &Testing"));
        QCOMPARE(MainForm->SamplerBtn->color(), QColor(128, 0, 128));
        QCOMPARE(MainForm->fcShapeBtn3->color(), QColor(0, 128, 128));
    }

    void startTestingShowsTheTestWindowAndComesBack()
    {
        for (int round = 0; round < 2; ++round) {
            bool mainHidden = false;
            test::onNextModal([&](QWidget* modal) {
                mainHidden = !MainForm->isVisible();
                QCOMPARE(modal, TestForm);
                modal->close();
            });
            QTest::mouseClick(MainForm->StartTestBtn, Qt::LeftButton);
            QVERIFY(mainHidden);
            QVERIFY(MainForm->isVisible());
            QVERIFY(!TestForm->isVisible());
        }
    }

    void samplerShowsSectionNamesOnceAndComesBack()
    {
        for (int round = 0; round < 2; ++round) {
            int sections = 0;
            test::onNextModal([&](QWidget* modal) {
                sections = SamplerForm->ListBox1->count();
                QVERIFY(DM->dtUserSet->active());
                modal->close();
            });
            QTest::mouseClick(MainForm->SamplerBtn, Qt::LeftButton);
            QCOMPARE(sections, 6);
            QCOMPARE(SamplerForm->ListBox1->item(0)->text(), QStringLiteral("Planning"));
            QCOMPARE(SamplerForm->ListBox1->item(5)->text(), QStringLiteral("Troubleshooting"));
            QVERIFY(MainForm->isVisible());
            QVERIFY(!DM->dtUserSet->active());
        }
    }

    void samplerWithoutItsTableReportsAndShowsTheMainWindow()
    {
        QTemporaryDir empty;
        QDir::setCurrent(empty.path());
        platform::ErrorBox::clearLast();
        QTest::mouseClick(MainForm->SamplerBtn, Qt::LeftButton);
        QVERIFY2(platform::ErrorBox::last().contains(QStringLiteral("dorvusr.DAT")),
                 qPrintable(platform::ErrorBox::last()));
        QVERIFY(MainForm->isVisible());
        QVERIFY(!SamplerForm->isVisible());
    }

    void exitEndsTheRunWithoutAQuestion()
    {
        QSignalSpy ended(MainForm, &TMainForm::runEnded);
        platform::MessageBox::clear();
        QTest::mouseClick(MainForm->fcShapeBtn3, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!MainForm->isVisible());
        QVERIFY(platform::MessageBox::requests().isEmpty());
        MainForm->show();
    }

    void programFindsItsTablesFromAnotherFolder()
    {
        QProcess program;
        program.setWorkingDirectory(QDir::tempPath());
        program.start(QStringLiteral(DORVALE_BIN_DIR "/dorvale"),
                      {QStringLiteral("--check-tables")});
        QVERIFY(program.waitForFinished(30000));
        const QByteArray out = program.readAllStandardOutput();
        QVERIFY2(program.exitCode() == 0, out.constData());
        QVERIFY(out.contains("dorvale.DAT:"));
        QVERIFY(out.contains("ces.DAT:"));
        QVERIFY(out.contains("dorvusr.DAT:"));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
