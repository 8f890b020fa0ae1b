// The settings store, the Options dialog and the About window, driven as a user drives them:
// the first run, a round trip of every value, what reading makes of bad values, a store that
// cannot be written, the choices taking effect during an exam, and the link label.

#include "TestSupport.h"
#include "app/AboutUnit.h"
#include "app/OptionsUnit.h"
#include "app/Program.h"
#include "exam/TestUnit.h"
#include "platform/ControlFont.h"
#include "platform/ErrorBox.h"
#include "platform/MessageBox.h"
#include "platform/Processes.h"
#include "platform/SettingsStore.h"
#include "platform/TFontDialog.h"
#include "platform/TRadioGroup.h"
#include "platform/TSpinEdit.h"
#include "platform/TURLLabel.h"
#include "platform/TddgRunButton.h"
#include "platform/TfcLabel.h"
#include "platform/TimeCounter.h"
#include "platform/TimeFormat.h"
#include "platform/WrapLabel.h"
#include "sampler/SamplerUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace dorvale;
using platform::ControlFont;
using platform::MessageBox;
using platform::SettingsStore;

namespace {

const QStringList kNames = {"QFontName",   "QFontColor",  "QFontSize",     "QFontBold",
                            "QFontItalic", "AFontName",   "AFontColor",    "AFontSize",
                            "AFontBold",   "AFontItalic", "EXPFontName",   "EXPFontColor",
                            "EXPFontSize", "EXPFontBold", "EXPFontItalic", "ShowLearnBtn",
                            "ShowCalcBtn", "TimerOn",     "DefaultTime",   "CalcPath"};

const QColor kNavy(0, 0, 128);

QString flag(bool on)
{
    return on ? "1" : "0";
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

void makeProgram(const QString& path, bool executable = true)
{
    writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                    (executable ? QFile::ExeOwner : QFile::Permissions()));
}

// The values as the store holds them: all twenty texts, empty for a missing one.
QMap<QString, QString> storedValues(const QString& file)
{
    QSettings store(file, QSettings::IniFormat);
    store.beginGroup("Options");
    QMap<QString, QString> values;
    for (const QString& name : kNames)
        values[name] = store.value(name).toString();
    return values;
}

bool shown(QWidget* w)
{
    return w->isVisibleTo(TestForm);
}

// What the test window holds for a value, in the store's words.
QString held(const QString& name)
{
    TTestForm* f = TestForm;
    QWidget* control = name.startsWith("Q")   ? static_cast<QWidget*>(f->QText)
                       : name.startsWith("A") ? static_cast<QWidget*>(f->ScrollBox1)
                                              : static_cast<QWidget*>(f->ExpText);
    const ControlFont font(control);
    if (name.endsWith("FontName"))
        return font.font().family();
    if (name.endsWith("FontColor"))
        return QString::number(font.colorValue());
    if (name.endsWith("FontSize"))
        return QString::number(font.pointSize());
    if (name.endsWith("FontBold"))
        return flag(font.font().bold());
    if (name.endsWith("FontItalic"))
        return flag(font.font().italic());
    if (name == "ShowLearnBtn")
        return flag(!f->LearnButton->isHidden());
    if (name == "ShowCalcBtn")
        return flag(f->FShowCalcBtn);
    if (name == "TimerOn")
        return flag(f->FTimerOn);
    if (name == "DefaultTime")
        return QString::number(f->FDefaultTime);
    return f->FCalcPath;
}

QString defaultCalcPath()
{
    return QDir(platform::calculatorDirectory()).filePath(platform::calculatorProgramName());
}

// The dialog, driven through its own controls.
struct Options {
    static void page(int index)
    {
        QTabBar* tabs = OptionsForm->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QCOMPARE(OptionsForm->PageControl1->currentIndex(), index);
    }
    static void select(platform::TRadioGroup* group, int item)
    {
        QRadioButton* button = group->item(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QCOMPARE(group->itemIndex(), item);
    }
    static void entry(int row)
    {
        QListWidget* list = OptionsForm->ListBox1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        QCOMPARE(list->currentRow(), row);
    }
    static void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    // Picks a font and a colour for a list entry in the real font dialog.
    static void font(int row, const QFont& font, const QString& colour)
    {
        entry(row);
        test::onNextModal([=](QWidget* modal) {
            const auto cancelAnyway = qScopeGuard([modal] {
                if (modal->isVisible())
                    modal->close();
            });
            auto* dialog = qobject_cast<platform::TFontDialog*>(modal);
            QVERIFY(dialog);
            // The style as a user picks it in the list: by the name the face gives it.
            QFont picked = font;
            picked.setStyleName(QFontInfo(font).styleName());
            dialog->setCurrentFont(picked);
            dialog->colorBox()->setCurrentIndex(dialog->colorBox()->findText(colour));
            QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(OptionsForm->BitBtn3, Qt::LeftButton);
    }
    static void ok() { QTest::mouseClick(OptionsForm->BitBtn1, Qt::LeftButton); }
};

// Opens the dialog from the test window's menu item and runs inDialog while it is open; the
// dialog must have ended when this returns.
void runOptions(const std::function<void()>& inDialog)
{
    test::onNextModal([=](QWidget* modal) {
        // Closed with the close box when the steps have not ended it (or failed part-way).
        const auto closeBox = qScopeGuard([modal] {
            if (modal->isVisible())
                modal->close();
        });
        QCOMPARE(modal, static_cast<QWidget*>(OptionsForm));
        inDialog();
    });
    TestForm->Preferences1->trigger();
    QVERIFY(!OptionsForm->isVisible());
}

QFont fontOf(const char* family, int points, bool bold, bool italic)
{
    QFont font(family, points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FormsFixture> forms_;
    QTemporaryDir dir_;
    QString store_; // the INI file the current test's store lives in
    QString calc_;  // a program that stands in for the calculator
    QByteArray path_;

    QString file(const QString& name) const { return dir_.filePath(name); }

    // The program's windows created afresh, so the test window reads the store again.
    void recreateForms()
    {
        // The main window's creation moves to the program's folder; the fixture tables are here.
        const QString tables = QDir::currentPath();
        destroyForms();
        createForms();
        QDir::setCurrent(tables);
        TestForm->show();
    }

    void writeStore(const QByteArray& options)
    {
        writeFile(store_, "[Options]\n" + options);
        recreateForms();
    }

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        QVERIFY(dir_.isValid());
        path_ = qgetenv("PATH");
        forms_ = std::make_unique<test::FormsFixture>(QList<bank::Item>{
            test::item(1, 1, 1, "b"), test::item(2, 1, 2, "ac", 5), test::item(3, 1, 3, "a", 3)});
        calc_ = file("calc");
        makeProgram(calc_);
        makeProgram(file("calc2"));
        makeProgram(file("Calc"));
        makeProgram(file("my, calc"));
        makeProgram(file("notes.txt"), false);
    }

    void cleanupTestCase()
    {
        SettingsStore::setLocationOverride({});
        forms_.reset();
    }

    void init()
    {
        store_ = file(QStringLiteral("%1-%2.ini")
                          .arg(QTest::currentTestFunction(), QTest::currentDataTag())
                          .replace(' ', '-'));
        SettingsStore::setLocationOverride(store_);
    }

    void cleanup()
    {
        QVERIFY(test::noModalLeft());
        if (TestForm->FMode != 0)
            TestForm->CloseCurrentExam();
        SettingsStore::setAfterWriteHook(nullptr);
        platform::Processes::startHook = nullptr;
        platform::Processes::openUrlHook = nullptr;
        qputenv("PATH", path_);
        MessageBox::clear();
        platform::ErrorBox::clearLast();
    }

    void firstRun_data()
    {
        QTest::addColumn<bool>("calculatorOnPath");
        QTest::newRow("a calculator on the path") << true;
        QTest::newRow("no calculator anywhere") << false;
    }

    void firstRun()
    {
        QFETCH(bool, calculatorOnPath);
        // The user's own store, in the configuration folder that test mode gives.
        SettingsStore::setLocationOverride({});
        const QString location = SettingsStore::userLocation();
        QCOMPARE(location,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .filePath("Dorvale 4.0.ini"));
        QVERIFY(location.contains("/.qttest/"));
        QFile::remove(location);
        QDir(file("bin")).removeRecursively();
        QDir().mkpath(file("bin"));
        if (calculatorOnPath)
            makeProgram(file("bin/xcalc"));
        else if (QFile::exists(defaultCalcPath()))
            QSKIP("this machine has a calculator where the default path points");
        qputenv("PATH", QFile::encodeName(file("bin")));
        const QString calcPath = calculatorOnPath ? file("bin/xcalc") : "/usr/bin/gnome-calculator";
        QCOMPARE(defaultCalcPath(), calcPath);

        recreateForms();
        TTestForm* f = TestForm;
        QVERIFY(MessageBox::requests().isEmpty());
        QVERIFY(!QFile::exists(location)); // reading writes nothing
        for (QWidget* control :
             {static_cast<QWidget*>(f->QText), static_cast<QWidget*>(f->ScrollBox1),
              static_cast<QWidget*>(f->ExpText)}) {
            const QFont font = control->font();
            QCOMPARE(font.family(), QString("MS Sans Serif"));
            QCOMPARE(font.pointSize(), 10);
            QVERIFY(!font.bold() && !font.italic());
            QCOMPARE(ControlFont(control).color(),
                     control == f->ExpText ? kNavy : QColor(Qt::black));
        }
        QCOMPARE(f->ALabels[0]->font(), f->ScrollBox1->font());
        QVERIFY(f->LearnButton->isHidden());
        QVERIFY(f->FTimerOn);
        QCOMPARE(f->FDefaultTime, 90);
        QCOMPARE(f->FCalcPath, calcPath);
        QCOMPARE(f->FShowCalcBtn, calculatorOnPath);
        QCOMPARE(f->CalcButton->isHidden(), !calculatorOnPath);

        runOptions([&] {
            QCOMPARE(OptionsForm->PageControl1->currentIndex(), 0);
            QCOMPARE(OptionsForm->ListBox1->currentRow(), 0);
            QCOMPARE(OptionsForm->Panel1->text(), QString("Question"));
            QCOMPARE(OptionsForm->Panel1->font(), f->QText->font());
            QCOMPARE(OptionsForm->LearnBtnGroup->itemIndex(), 1);
            QCOMPARE(OptionsForm->TimerGroup->itemIndex(), 0);
            QCOMPARE(OptionsForm->CalcBtnGroup->itemIndex(), calculatorOnPath ? 0 : 1);
            QCOMPARE(OptionsForm->SpinEdit1->value(), 90);
            QCOMPARE(OptionsForm->Edit1->text(), calcPath);
            Options::ok();
        });
        QVERIFY(platform::ErrorBox::last().isEmpty());
        QCOMPARE(QSettings(location, QSettings::IniFormat).childGroups(), QStringList{"Options"});
        const QMap<QString, QString> expected = {{"QFontName", "MS Sans Serif"},
                                                 {"QFontColor", "0"},
                                                 {"QFontSize", "10"},
                                                 {"QFontBold", "0"},
                                                 {"QFontItalic", "0"},
                                                 {"AFontName", "MS Sans Serif"},
                                                 {"AFontColor", "0"},
                                                 {"AFontSize", "10"},
                                                 {"AFontBold", "0"},
                                                 {"AFontItalic", "0"},
                                                 {"EXPFontName", "MS Sans Serif"},
                                                 {"EXPFontColor", "8388608"},
                                                 {"EXPFontSize", "10"},
                                                 {"EXPFontBold", "0"},
                                                 {"EXPFontItalic", "0"},
                                                 {"ShowLearnBtn", "0"},
                                                 {"ShowCalcBtn", flag(calculatorOnPath)},
                                                 {"TimerOn", "1"},
                                                 {"DefaultTime", "90"},
                                                 {"CalcPath", calcPath}};
        QCOMPARE(storedValues(location), expected);
    }

    void roundTripThroughTheDialog()
    {
        recreateForms();
        runOptions([this] {
            Options::font(0, fontOf("DejaVu Serif", 14, true, false), "Maroon");
            Options::font(1, fontOf("Liberation Mono", 12, false, true), "Teal");
            Options::font(2, fontOf("DejaVu Sans", 9, true, true), "Purple");
            Options::select(OptionsForm->LearnBtnGroup, 0);
            Options::page(1);
            Options::select(OptionsForm->CalcBtnGroup, 0);
            Options::type(OptionsForm->Edit1, QDir::toNativeSeparators(calc_));
            Options::page(2);
            Options::select(OptionsForm->TimerGroup, 1);
            Options::type(OptionsForm->SpinEdit1, "135");
            Options::ok();
        });
        QVERIFY(platform::ErrorBox::last().isEmpty());
        const QMap<QString, QString> expected = {{"QFontName", "DejaVu Serif"},
                                                 {"QFontColor", "128"},
                                                 {"QFontSize", "14"},
                                                 {"QFontBold", "1"},
                                                 {"QFontItalic", "0"},
                                                 {"AFontName", "Liberation Mono"},
                                                 {"AFontColor", "8421376"},
                                                 {"AFontSize", "12"},
                                                 {"AFontBold", "0"},
                                                 {"AFontItalic", "1"},
                                                 {"EXPFontName", "DejaVu Sans"},
                                                 {"EXPFontColor", "8388736"},
                                                 {"EXPFontSize", "9"},
                                                 {"EXPFontBold", "1"},
                                                 {"EXPFontItalic", "1"},
                                                 {"ShowLearnBtn", "1"},
                                                 {"ShowCalcBtn", "1"},
                                                 {"TimerOn", "0"},
                                                 {"DefaultTime", "135"},
                                                 {"CalcPath", calc_}};
        QCOMPARE(storedValues(store_), expected);

        // The next run reads it all back.
        recreateForms();
        for (const QString& name : kNames)
            QCOMPARE(held(name), expected[name]);
        QCOMPARE(ControlFont(TestForm->QText).color(), QColor(128, 0, 0));
        QVERIFY(!TestForm->CalcButton->isHidden());
        QCOMPARE(TestForm->CalcButton->commandLine(), calc_);

        const QByteArray before = test::fileBytes(store_);
        runOptions([this] {
            QCOMPARE(OptionsForm->Panel1->font().family(), QString("DejaVu Serif"));
            QCOMPARE(ControlFont(OptionsForm->Panel1).color(), QColor(128, 0, 0));
            Options::entry(2);
            QCOMPARE(OptionsForm->Panel1->text(), QString("Explanation"));
            QCOMPARE(OptionsForm->Panel1->font(), TestForm->ExpText->font());
            QCOMPARE(OptionsForm->LearnBtnGroup->itemIndex(), 0);
            QCOMPARE(OptionsForm->CalcBtnGroup->itemIndex(), 0);
            QCOMPARE(OptionsForm->TimerGroup->itemIndex(), 1);
            QCOMPARE(OptionsForm->SpinEdit1->value(), 135);
            QCOMPARE(OptionsForm->Edit1->text(), calc_);
            // Changed, then dismissed with the close box: nothing of it is stored.
            Options::select(OptionsForm->LearnBtnGroup, 1);
        });
        QCOMPARE(test::fileBytes(store_), before);
        QVERIFY(!TestForm->LearnButton->isHidden());
    }

    void readingFallsBackToDefaults_data()
    {
        QTest::addColumn<QByteArray>("content"); // the store file; "<folder>": a folder instead
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("held");   // what the test window holds ("<default>" path)
        QTest::addColumn<QString>("stored"); // what a confirmed dialog then writes back

        auto row = [](const char* tag, const QByteArray& line, const char* name, const char* held,
                      const char* stored) {
            QTest::newRow(tag) << "[Options]\n" + line + "\n"
                               << QString(name) << QString(held) << QString(stored);
        };
        row("size read", "QFontSize=14", "QFontSize", "14", "14");
        row("size not a number", "QFontSize=ten", "QFontSize", "10", "10");
        row("size empty", "QFontSize=", "QFontSize", "10", "10");
        row("size in hex", "QFontSize=0x0C", "QFontSize", "10", "10");
        row("size with a fraction", "QFontSize=11.5", "QFontSize", "10", "10");
        row("size beyond 32 bits", "QFontSize=2147483648", "QFontSize", "10", "10");
        row("size as a list", "QFontSize=12, 14", "QFontSize", "10", "10");
        row("size as bytes", "QFontSize=@ByteArray(12)", "QFontSize", "10", "10");
        row("size 0 kept", "QFontSize=0", "QFontSize", "0", "0");
        row("size 2000 kept", "QFontSize=2000", "QFontSize", "2000", "2000");
        row("colour read", "QFontColor=255", "QFontColor", "255", "255");
        row("colour not a number", "EXPFontColor=navy", "EXPFontColor", "8388608", "8388608");
        row("colour beyond its bytes kept", "QFontColor=-1", "QFontColor", "-1", "-1");
        row("flag 2 is on", "ShowLearnBtn=2", "ShowLearnBtn", "1", "1");
        row("flag as a word", "ShowLearnBtn=true", "ShowLearnBtn", "0", "0");
        row("flag empty", "TimerOn=", "TimerOn", "1", "1");
        row("flag off", "TimerOn=0", "TimerOn", "0", "0");
        row("flag of another type", "AFontBold=@Size(1 1)", "AFontBold", "0", "0");
        row("bold added", "AFontBold=1", "AFontBold", "1", "1");
        row("time 0 kept, the dialog gives 1", "DefaultTime=0", "DefaultTime", "0", "1");
        row("time above the box kept", "DefaultTime=9999", "DefaultTime", "9999", "9000");
        row("time below zero kept", "DefaultTime=-5", "DefaultTime", "-5", "1");
        row("time with a sign", "DefaultTime=+45", "DefaultTime", "45", "45");
        row("face empty keeps the designed one", "QFontName=", "QFontName", "MS Sans Serif",
            "MS Sans Serif");
        row("face read", "EXPFontName=DejaVu Serif", "EXPFontName", "DejaVu Serif", "DejaVu Serif");
        row("path empty", "CalcPath=", "CalcPath", "", "");
        row("path as a list", "CalcPath=a, b", "CalcPath", "<default>", "<default>");
        QTest::newRow("value outside the subkey")
            << QByteArray("[General]\nQFontSize=20\n") << "QFontSize"
            << "10"
            << "10";
        QTest::newRow("store is a folder") << QByteArray("<folder>") << "DefaultTime"
                                           << "90"
                                           << "";
    }

    void readingFallsBackToDefaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, held);
        QFETCH(QString, stored);
        QString expectedHeld = held;
        if (content == "<folder>")
            QVERIFY(QDir().mkpath(store_));
        else
            writeFile(store_, content);
        expectedHeld.replace("<default>", defaultCalcPath());
        stored.replace("<default>", defaultCalcPath());

        recreateForms();
        QVERIFY(MessageBox::requests().isEmpty());
        QCOMPARE(::held(name), expectedHeld);
        QVERIFY(QFontInfo(TestForm->QText->font()).pixelSize() > 0); // whatever the store says
        if (stored.isEmpty())
            return;
        runOptions(Options::ok);
        QVERIFY(platform::ErrorBox::last().isEmpty());
        QCOMPARE(storedValues(store_)[name], stored);
    }

    void failedWriteKeepsTheNewSettings_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("written"); // values the store holds new afterwards
        QTest::newRow("no folder for the store") << "parent is a file"
                                                 << "Failed to create key Options" << QStringList();
        QTest::newRow("a folder where the store should be")
            << "store is a folder"
            << "Failed to create key Options" << QStringList();
        QTest::newRow("store lost after DefaultTime")
            << "lost after DefaultTime"
            << "Failed to set data for 'QFontBold'"
            << QStringList{"QFontName", "QFontColor", "QFontSize", "DefaultTime"};
    }

    void failedWriteKeepsTheNewSettings()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QFETCH(QStringList, written);
        if (setup == "parent is a file") {
            writeFile(file("plain"), "");
            store_ = file("plain/Dorvale 4.0.ini");
            SettingsStore::setLocationOverride(store_);
        } else if (setup == "store is a folder") {
            QVERIFY(QDir().mkpath(store_));
        } else {
            writeFile(store_, "[Options]\nQFontName=Liberation Mono\nQFontColor=255\nQFontSize=12\n"
                              "QFontBold=0\nDefaultTime=50\nTimerOn=1\nShowLearnBtn=0\n");
            // The store goes away part-way, and a folder that no file can replace takes its place.
            SettingsStore::setAfterWriteHook([this](const QString& name) {
                if (name == "DefaultTime") {
                    QVERIFY(QFile::rename(store_, store_ + ".kept"));
                    QVERIFY(QDir().mkpath(store_));
                }
            });
        }
        // Where the values that made it are found afterwards.
        const QString kept = setup == "lost after DefaultTime" ? store_ + ".kept" : store_;
        const QMap<QString, QString> before = storedValues(store_);
        recreateForms();
        QVERIFY(MessageBox::requests().isEmpty());

        runOptions([] {
            Options::font(0, fontOf("DejaVu Serif", 14, true, false), "Maroon");
            Options::select(OptionsForm->LearnBtnGroup, 0);
            Options::page(2);
            Options::select(OptionsForm->TimerGroup, 1);
            Options::type(OptionsForm->SpinEdit1, "77");
            Options::ok();
        });
        QCOMPARE(platform::ErrorBox::last(), message);
        // The test window keeps what the dialog gave it.
        QVERIFY(!TestForm->LearnButton->isHidden());
        QVERIFY(!TestForm->FTimerOn);
        QCOMPARE(TestForm->FDefaultTime, 77);
        QCOMPARE(TestForm->QText->font().family(), QString("DejaVu Serif"));

        const QMap<QString, QString> newValues = {{"QFontName", "DejaVu Serif"},
                                                  {"QFontColor", "128"},
                                                  {"QFontSize", "14"},
                                                  {"DefaultTime", "77"}};
        const QMap<QString, QString> after = storedValues(kept);
        for (const QString& name : kNames) {
            const QString expected = written.contains(name) ? newValues[name] : before[name];
            QVERIFY2(after[name] == expected, qPrintable(name + ": " + after[name]));
        }
    }

    void fontChangesReachTheItem()
    {
        recreateForms();
        test::startExam(TestForm->ExamActions[0]);
        TTestForm* f = TestForm;
        QCOMPARE(platform::ErrorBox::last(), QString());
        QCOMPARE(f->FMode, 1);
        f->dtCurrentSet->first(); // so the next item is there to go to
        const QFont question = fontOf("Liberation Mono", 16, false, true);
        QFont answers = fontOf("DejaVu Serif", 20, true, false);
        answers.setUnderline(true); // an effect of the run, which QText must not take on
        const QFont explanation = fontOf("DejaVu Sans", 15, false, false);
        runOptions([&] {
            Options::font(0, question, "Maroon");
            Options::font(1, answers, "Teal");
            Options::font(2, explanation, "Purple");
            // At once, while the dialog is still open.
            QCOMPARE(f->QText->font().family(), QString("Liberation Mono"));
            QCOMPARE(f->ALabels[0]->font().family(), QString("DejaVu Serif"));
        }); // and dismissed with the close box
        QVERIFY(!QFile::exists(store_));

        auto same = [](const QFont& shown, const QFont& chosen) {
            return shown.family() == chosen.family() && shown.pointSize() == chosen.pointSize() &&
                   shown.bold() == chosen.bold() && shown.italic() == chosen.italic();
        };
        QVERIFY(same(f->QText->font(), question));
        QVERIFY(same(f->ExpText->font(), explanation));
        QVERIFY(!f->QText->font().underline() && !f->ExpText->font().underline());
        QVERIFY(f->ALabels[0]->font().underline());
        const QColor teal(0, 128, 128);
        for (int n = 0; n < 6; ++n) {
            for (QWidget* w : std::initializer_list<QWidget*>{
                     f->ALabels[size_t(n)], f->RadioButtons[size_t(n)], f->CheckBoxes[size_t(n)]}) {
                QVERIFY2(same(w->font(), answers), qPrintable(w->objectName()));
                QCOMPARE(w->palette().color(QPalette::WindowText), teal);
            }
        }
        QVERIFY(same(f->ExhBtnA->font(), answers));
        QVERIFY(same(f->ExhBtnB->font(), answers));
        QCOMPARE(f->QText->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(f->ExpText->palette().color(QPalette::WindowText), QColor(128, 0, 128));

        // The next item is laid out in the new fonts.
        QTest::mouseClick(f->NextButton, Qt::LeftButton);
        QCOMPARE(f->dtCurrentSet->recNo(), 2);
        const int questionLine = QFontMetrics(f->QText->font()).height();
        QVERIFY(f->QText->height() >= questionLine);
        QCOMPARE(f->QPanel->height(), f->QText->height() + 16);
        const int answerLine = QFontMetrics(f->ALabels[0]->font()).height();
        for (int n = 0; n < 2; ++n) {
            platform::WrapLabel* label = f->ALabels[size_t(n)];
            QCOMPARE(label->height(), label->measure(label->width()).height());
            QVERIFY(label->height() >= answerLine);
            QCOMPARE(f->ALabels[size_t(n) + 1]->y(), label->y() + label->height() + 15);
        }
    }

    void choicesTakeEffectDuringAnExam()
    {
        writeStore(("CalcPath=" + calc_ + "\nShowCalcBtn=0\n").toUtf8());
        TTestForm* f = TestForm;
        QVERIFY(f->CalcButton->isHidden());
        QDateTime now = QDateTime::currentDateTime();
        f->Timer1->setClock([&] { return now; });
        QString started;
        platform::Processes::startHook = [&](const QString& program) {
            started = program;
            return 0;
        };
        test::startExam(f->ExamActions[0]);
        const QString fullLimit = platform::formatTimeValue(f->FTimeLimit);
        QVERIFY(shown(f->TimeLabel));
        now = now.addSecs(300);
        f->Timer1->tick();
        QCOMPARE(f->TimeLabel->text(), platform::formatTimeValue(f->FTimeLimit - 300 / 86400.0));

        runOptions([] {
            Options::select(OptionsForm->LearnBtnGroup, 0);
            Options::page(1);
            Options::select(OptionsForm->CalcBtnGroup, 0);
            Options::page(2);
            Options::select(OptionsForm->TimerGroup, 1);
            Options::ok();
        });
        QVERIFY(shown(f->LearnButton));
        QVERIFY(shown(f->CalcButton));
        QVERIFY(!shown(f->TimeLabel));
        QVERIFY(!f->Timer1->enabled());
        QTest::mouseClick(f->CalcButton, Qt::LeftButton);
        QCOMPARE(started, calc_);
        QTest::mouseClick(f->LearnButton, Qt::LeftButton);
        QVERIFY(shown(f->ExpText));

        // Switched on again: the count-down starts over from the full limit.
        runOptions([] {
            Options::page(2);
            Options::select(OptionsForm->TimerGroup, 0);
            Options::ok();
        });
        QVERIFY(shown(f->TimeLabel));
        QVERIFY(f->Timer1->enabled());
        QCOMPARE(f->TimeLabel->text(), fullLimit);
        now = now.addSecs(10);
        f->Timer1->tick();
        QCOMPARE(f->TimeLabel->text(), platform::formatTimeValue(f->FTimeLimit - 10 / 86400.0));

        // Unchanged timer choice: the count-down goes on; the buttons go away again.
        runOptions([] {
            Options::select(OptionsForm->LearnBtnGroup, 1);
            Options::page(1);
            Options::select(OptionsForm->CalcBtnGroup, 1);
            Options::ok();
        });
        now = now.addSecs(1);
        f->Timer1->tick();
        QCOMPARE(f->TimeLabel->text(), platform::formatTimeValue(f->FTimeLimit - 11 / 86400.0));
        QVERIFY(!shown(f->LearnButton));
        QVERIFY(!shown(f->CalcButton));
        f->Timer1->setClock([] { return QDateTime::currentDateTime(); });
    }

    void calculatorPathOnOk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: the button takes the program
        QTest::newRow("another program") << "calc2"
                                         << "";
        QTest::newRow("only the letter case differs") << "Calc"
                                                      << "";
        QTest::newRow("unchanged") << "calc"
                                   << "";
        QTest::newRow("a name with a comma") << "my, calc"
                                             << "";
        QTest::newRow("no such file") << "nocalc"
                                      << "The file: %1 cannot be found.";
        QTest::newRow("not a program") << "notes.txt"
                                       << "%1 is not an executable file.";
    }

    void calculatorPathOnOk()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        writeStore(("CalcPath=" + calc_ + "\n").toUtf8());
        QCOMPARE(TestForm->CalcButton->commandLine(), calc_);
        const QString path = file(name);
        runOptions([&] {
            Options::page(1);
            Options::type(OptionsForm->Edit1, path);
            Options::ok();
        });
        QCOMPARE(platform::ErrorBox::last(), message.isEmpty() ? QString() : message.arg(path));
        QCOMPARE(TestForm->FCalcPath, path);
        QCOMPARE(storedValues(store_)["CalcPath"], path);
        QCOMPARE(TestForm->CalcButton->commandLine(), message.isEmpty() ? path : calc_);
        recreateForms(); // the next run starts with it
        QCOMPARE(TestForm->FCalcPath, path);
    }

    void browsingKeepsTheWorkingDirectory()
    {
        writeStore(("CalcPath=" + calc_ + "\n").toUtf8());
        const QString workingDir = QDir::currentPath();
        QString startedIn;
        runOptions([&] {
            Options::page(1);
            test::onNextModal([&](QWidget* modal) {
                const auto cancelAnyway = qScopeGuard([modal] {
                    if (modal->isVisible())
                        modal->close();
                });
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                startedIn = dialog->directory().absolutePath();
                QPushButton* open =
                    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
                auto* list = dialog->findChild<QListView*>("listView");
                QVERIFY(list);
                // The program is picked from the folder's list once the dialog has read it.
                QModelIndex program;
                const bool listed = QTest::qWaitFor([&] {
                    const QModelIndexList found =
                        list->model()->match(list->model()->index(0, 0, list->rootIndex()),
                                             Qt::DisplayRole, "calc2", 1, Qt::MatchExactly);
                    program = found.value(0);
                    return program.isValid();
                });
                QVERIFY(listed);
                list->scrollTo(program);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(program).center());
                QTRY_VERIFY(open->isEnabled());
                QTest::mouseClick(open, Qt::LeftButton);
            });
            QTest::mouseClick(OptionsForm->SpeedButton1, Qt::LeftButton);
            QCOMPARE(OptionsForm->Edit1->text(), QDir::toNativeSeparators(file("calc2")));
        });
        QCOMPARE(startedIn, QDir(dir_.path()).absolutePath());
        QCOMPARE(QDir::currentPath(), workingDir);
        QCOMPARE(TestForm->FCalcPath, calc_); // dismissed: the path box's text went nowhere
    }

    void aboutWindow_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("test window") << "test";
        QTest::newRow("sampler window") << "sampler";
    }

    void aboutWindow()
    {
        QFETCH(QString, from);
        QUrl opened;
        platform::Processes::openUrlHook = [&](const QUrl& url) { opened = url; };
        bool seen = false;
        test::onNextModal([&](QWidget* modal) {
            const auto closeAnyway = qScopeGuard([modal] {
                if (modal->isVisible())
                    modal->close();
            });
            TAboutForm* about = AboutForm;
            QCOMPARE(modal, static_cast<QWidget*>(about));
            seen = true;
            QCOMPARE(about->windowTitle(), QString("About Quillon"));
            QCOMPARE(about->size(), QSize(310, 233));
            QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(QRect(about->Image1->mapTo(about, QPoint(0, 0)), about->Image1->size()),
                     QRect((310 - 221) / 2, 8, 221, 48));
            QVERIFY(!about->Image1->pixmap().isNull());
            for (QLabel* line : {about->Label1, about->Label2, about->Label3}) {
                QVERIFY(!line->text().isEmpty());
                QCOMPARE(line->font().pointSize(), 10);
            }

            platform::TURLLabel* link = about->URLLabel1;
            const QFont normal = link->font();
            QCOMPARE(link->text(), QString("https://quillon.example/dorvale"));
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(qAbs(link->x() + link->width() / 2 - 310 / 2) <= 1);
            QCOMPARE(normal.pointSize(), 10);
            QVERIFY(!normal.underline());
            QCOMPARE(link->textColor(), kNavy);

            // The pointer crosses into the About window, as the window system reports it, and
            // moves over the link.
            QWindow* window = about->windowHandle();
            const QPointF corner(5, about->height() - 5);
            QEnterEvent entered(corner, corner, window->mapToGlobal(corner));
            QCoreApplication::sendEvent(window, &entered);
            QVERIFY(!link->font().underline());
            QTest::mouseMove(window, link->mapTo(about, link->rect().center()));
            QTRY_VERIFY(link->font().underline());
            QCOMPARE(link->textColor(), QColor(0, 0, 255));
            QTest::mouseMove(window, QPoint(5, about->height() - 5));
            QTRY_VERIFY(!link->font().underline());
            QCOMPARE(link->font(), normal);
            QCOMPARE(link->textColor(), kNavy);

            QTest::mouseClick(link, Qt::LeftButton);
            QCOMPARE(opened, QUrl("https://quillon.example/dorvale"));
            QTest::mouseClick(about->BitBtn1, Qt::LeftButton);
        });
        if (from == "test")
            TestForm->About1->trigger();
        else
            SamplerForm->About1->trigger();
        QVERIFY(seen);
        QVERIFY(!AboutForm->isVisible());
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
