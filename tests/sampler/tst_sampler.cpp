// The test sampler: its editing states and the status display, automatic editing, saving and
// cancelling from the keyboard, the questions before deleting, emptying and leaving, the items'
// identifiers, a table that refuses an item, and the layout of the choice edits.

#include "TestSupport.h"
#include "app/MainUnit.h"
#include "app/Program.h"
#include "data/Schemas.h"
#include "data/Table.h"
#include "data/TablePassword.h"
#include "platform/DBControls.h"
#include "platform/ErrorBox.h"
#include "platform/MessageBox.h"
#include "platform/TStatusBar.h"
#include "platform/TfcLabel.h"
#include "platform/TfcShapeBtn.h"
#include "sampler/Rep1Unit.h"
#include "sampler/SamplerUnit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

using namespace dorvale;
using data::TableState;
using platform::MessageBox;

Q_DECLARE_METATYPE(data::TableState)

namespace {

// An item written into the user question set before the sampler opens.
struct Seed {
    int section = 0;
    QVariant type; // null: never written
};

// The sets the tests start from. Identifiers with gaps keep them apart from record numbers:
// "one" holds item 3, "two" items 3 and 5 (and the table has already numbered up to 5).
struct Fixture {
    QList<Seed> seeds;
    QList<qint64> dropped;
};

Fixture fixture(const QString& name)
{
    if (name == QLatin1String("one"))
        return {{{1, false}, {1, false}, {4, true}}, {1, 2}};
    if (name == QLatin1String("two"))
        return {{{1, false}, {1, false}, {4, true}, {1, false}, {2, false}}, {1, 2, 4}};
    return {};
}

std::unique_ptr<data::Table> userSetTable()
{
    return std::make_unique<data::Table>(QString::fromLatin1(data::kSessionName),
                                         QString::fromLatin1(data::kUserSetFile));
}

void writeUserSet(const Fixture& f)
{
    auto table = userSetTable();
    table->open();
    for (qsizetype i = 0; i < f.seeds.size(); ++i) {
        const int id = int(i) + 1;
        table->insert();
        table->setValue(QStringLiteral("Q_TEXT"), QStringLiteral("Question %1").arg(id));
        table->setValue(QStringLiteral("Q_EXPL"), QStringLiteral("Explanation %1").arg(id));
        if (f.seeds[i].section)
            table->setValue(QStringLiteral("Q_SECT"), f.seeds[i].section);
        if (!f.seeds[i].type.isNull())
            table->setValue(QStringLiteral("Q_TYPE"), f.seeds[i].type);
        for (int n = 1; n <= 4; ++n) {
            table->setValue(QStringLiteral("Q%1").arg(n),
                            QStringLiteral("Choice %1.%2").arg(id).arg(QChar(u'a' + n - 1)));
            table->setValue(QStringLiteral("A%1").arg(n), n == 1 + id % 4);
        }
        table->post();
    }
    for (const qint64 id : f.dropped) {
        if (table->findKey(id))
            table->deleteRecord();
    }
    table->close();
}

// The user question set as it is on file: every item's fields by identifier.
QMap<qint64, QVariantMap> readUserSet()
{
    auto table = userSetTable();
    table->open();
    QMap<qint64, QVariantMap> items;
    for (table->first(); !table->eof(); table->next()) {
        QVariantMap fields;
        for (const QString& name : table->fieldNames())
            fields.insert(name, table->value(name));
        items.insert(table->asInteger(QStringLiteral("Q_ID")), fields);
    }
    table->close();
    return items;
}

QString panel(int index)
{
    return SamplerForm->StatusBar1->panelText(index);
}
QString header()
{
    return SamplerForm->fcLabel4->text();
}
TableState state()
{
    return DM->dtUserSet->state();
}
int currentId()
{
    return DM->dtUserSet->asInteger(QStringLiteral("Q_ID"));
}

QWidget* toolButton(QAction* action)
{
    return SamplerForm->ToolBar1->widgetForAction(action);
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void showPage(QWidget* page)
{
    QTabBar* tabs = SamplerForm->PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {},
                      tabs->tabRect(SamplerForm->PageControl1->indexOf(page)).center());
}

void chooseMenu(QMenu* menu, QAction* entry)
{
    QMenuBar* bar = SamplerForm->MainMenu1;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

void clickSection(int row)
{
    QListWidget* list = SamplerForm->ListBox1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void clickTreeEntry(int row)
{
    platform::TfcDBTreeView* tree = SamplerForm->fcDBTreeView1;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(tree->topLevelItem(row)).center());
}

QStringList treeLabels()
{
    QStringList labels;
    for (int row = 0; row < SamplerForm->fcDBTreeView1->topLevelItemCount(); ++row)
        labels << SamplerForm->fcDBTreeView1->topLevelItem(row)->text(0);
    return labels;
}

// One thing the user does in the sampler, by name.
void perform(const QString& step)
{
    TSamplerForm* f = SamplerForm;
    if (step == QLatin1String("add")) {
        click(toolButton(f->AddAct));
    } else if (step == QLatin1String("edit")) {
        click(toolButton(f->EditAct));
    } else if (step == QLatin1String("delete")) {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(toolButton(f->DelAct));
    } else if (step == QLatin1String("type")) {
        showPage(f->TabSheet1);
        QTest::keyClicks(f->DBMemo1, QStringLiteral("typed "));
    } else if (step == QLatin1String("type choice")) {
        showPage(f->TabSheet3);
        QTest::keyClicks(f->DBEdit3, QStringLiteral(" typed"));
    } else if (step == QLatin1String("tick")) {
        showPage(f->TabSheet3);
        click(f->DBCheckBox3);
    } else if (step == QLatin1String("choose type")) {
        showPage(f->TabSheet2);
        QTest::keyClick(f->ComboBox1,
                        f->ComboBox1->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
    } else if (step == QLatin1String("choose section")) {
        showPage(f->TabSheet2);
        clickSection(f->ListBox1->currentRow() == 5 ? 0 : 5);
    } else if (step == QLatin1String("save")) {
        click(f->BitBtn1);
    } else if (step == QLatin1String("cancel")) {
        click(f->BitBtn2);
    } else if (step == QLatin1String("next")) {
        click(f->DBNavigator1->button(platform::TDBNavigator::Next));
    } else if (step == QLatin1String("tree")) {
        clickTreeEntry(f->fcDBTreeView1->currentIndex().row() == 1 ? 0 : 1);
    } else if (step == QLatin1String("empty")) {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        chooseMenu(f->Items1, f->Emptyquestionset1);
    } else if (step == QLatin1String("close")) {
        MessageBox::setNextAnswer(QMessageBox::Ok);
        chooseMenu(f->File1, f->Exit1);
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void performAll(const QStringList& steps)
{
    for (const QString& step : steps)
        perform(step);
}

// Opens the sampler through the main window's button and runs body while it is open. Whatever
// body did, the sampler is closed afterwards with the exit question confirmed.
void withSampler(const std::function<void()>& body)
{
    bool ran = false;
    test::onNextModal([&](QWidget* modal) {
        ran = true;
        if (modal == SamplerForm)
            body();
        if (SamplerForm->isVisible()) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            SamplerForm->close();
        }
    });
    QTest::mouseClick(MainForm->SamplerBtn, Qt::LeftButton);
    QVERIFY2(ran, "the sampler did not open");
}

} // namespace

class SamplerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> holder_;
    bool readOnly_ = false;

    // Another program takes the user question set for itself until release().
    void holdUserSet()
    {
        holder_ = std::make_unique<QProcess>();
        holder_->start(QStringLiteral(DORVALE_TEST_BIN "/tablehelper"),
                       {QStringLiteral("hold"), dir_->path(), QLatin1String(data::kUserSetFile),
                        QStringLiteral("60000")});
        if (!holder_->waitForStarted() || !holder_->waitForReadyRead(10000))
            qFatal("tablehelper did not answer");
    }

    void release()
    {
        if (!holder_)
            return;
        holder_->kill();
        holder_->waitForFinished();
        holder_.reset();
    }

    // The user question set and its folder become read-only; false when this user can write
    // them all the same (as root can).
    bool makeUserSetReadOnly()
    {
        const QString file = dir_->filePath(QLatin1String(data::kUserSetFile));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                QFile::ExeGroup | QFile::ReadOther |
                                                QFile::ExeOther);
        readOnly_ = true;
        if (QFileInfo(file).isWritable()) {
            makeUserSetWritable();
            return false;
        }
        return true;
    }

    void makeUserSetWritable()
    {
        if (!readOnly_)
            return;
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(dir_->path(),
                              all | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
        QFile::setPermissions(dir_->filePath(QLatin1String(data::kUserSetFile)), all);
        readOnly_ = false;
    }

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        createForms();
        MainForm->show();
    }

    void cleanupTestCase() { destroyForms(); }

    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        test::writeTables(dir_->path(), {test::item(1, 1, 1, QStringLiteral("a"))});
        QDir::setCurrent(dir_->path());
        // Emptying makes the sampler claim its file for the rest of a run; each test is a run
        // of its own.
        DM->dtUserSet->setExclusive(false);
        MessageBox::clear();
        platform::ErrorBox::clearLast();
    }

    void cleanup()
    {
        release();
        makeUserSetWritable();
        QVERIFY(test::noModalLeft());
        QVERIFY(!SamplerForm->isVisible());
        QVERIFY(!DM->dtUserSet->active());
    }

    // ---- states -------------------------------------------------------------------------------

    void editingStateFollowsTheTable_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("event");
        QTest::addColumn<TableState>("expected");
        QTest::addColumn<bool>("addEnabled");
        QTest::addColumn<bool>("editDeleteEnabled");
        QTest::addColumn<bool>("treeAndNavigatorEnabled");
        QTest::addColumn<bool>("saveCancelEnabled");
        QTest::addColumn<int>("items");

        using S = QStringList;
        const auto B = TableState::Browse;
        const auto E = TableState::Edit;
        const auto I = TableState::Insert;
        // clang-format off
        QTest::newRow("browsing, Add")            << "two"  << S{}              << "add"            << I << false << false << false << true  << 2;
        QTest::newRow("browsing, Edit")           << "two"  << S{}              << "edit"           << E << false << false << false << true  << 2;
        QTest::newRow("browsing, type question")  << "two"  << S{}              << "type"           << E << true  << true  << true  << true  << 2;
        QTest::newRow("browsing, type choice")    << "two"  << S{}              << "type choice"    << E << true  << true  << true  << true  << 2;
        QTest::newRow("browsing, tick choice")    << "two"  << S{}              << "tick"           << E << true  << true  << true  << true  << 2;
        QTest::newRow("browsing, choose type")    << "two"  << S{}              << "choose type"    << E << true  << true  << true  << true  << 2;
        QTest::newRow("browsing, choose section") << "two"  << S{}              << "choose section" << E << true  << true  << true  << true  << 2;
        QTest::newRow("empty set, type question") << "none" << S{}              << "type"           << I << true  << false << true  << true  << 0;
        QTest::newRow("empty set, choose section")<< "none" << S{}              << "choose section" << I << true  << false << true  << true  << 0;
        QTest::newRow("adding, Save")             << "two"  << S{"add"}         << "save"           << B << true  << true  << true  << false << 3;
        QTest::newRow("editing, Save")            << "two"  << S{"edit"}        << "save"           << B << true  << true  << true  << false << 2;
        QTest::newRow("typed into, Save")         << "two"  << S{"type"}        << "save"           << B << true  << true  << true  << false << 2;
        QTest::newRow("adding, Cancel")           << "two"  << S{"add"}         << "cancel"         << B << true  << true  << true  << false << 2;
        QTest::newRow("editing, Cancel")          << "two"  << S{"edit"}        << "cancel"         << B << true  << true  << true  << false << 2;
        QTest::newRow("empty set adding, Save")   << "none" << S{"add"}         << "save"           << B << true  << true  << true  << false << 1;
        QTest::newRow("empty set adding, Cancel") << "none" << S{"add"}         << "cancel"         << B << true  << false << true  << false << 0;
        QTest::newRow("typed into, navigator")    << "two"  << S{"type"}        << "next"           << B << true  << true  << true  << false << 2;
        QTest::newRow("typed into, tree")         << "two"  << S{"type"}        << "tree"           << B << true  << true  << true  << false << 2;
        QTest::newRow("browsing, Delete")         << "two"  << S{}              << "delete"         << B << true  << true  << true  << false << 1;
        QTest::newRow("only item, Delete")        << "one"  << S{}              << "delete"         << B << true  << false << true  << false << 0;
        QTest::newRow("adding, Empty")            << "two"  << S{"add"}         << "empty"          << B << true  << false << true  << false << 0;
        QTest::newRow("editing, Empty")           << "two"  << S{"edit"}        << "empty"          << B << true  << false << true  << false << 0;
        // clang-format on
    }

    void editingStateFollowsTheTable()
    {
        QFETCH(QString, set);
        QFETCH(QStringList, before);
        QFETCH(QString, event);
        QFETCH(TableState, expected);
        QFETCH(bool, addEnabled);
        QFETCH(bool, editDeleteEnabled);
        QFETCH(bool, treeAndNavigatorEnabled);
        QFETCH(bool, saveCancelEnabled);
        QFETCH(int, items);

        writeUserSet(fixture(set));
        withSampler([&] {
            performAll(before);
            perform(event);
            TSamplerForm* f = SamplerForm;
            QCOMPARE(state(), expected);
            QCOMPARE(f->AddAct->isEnabled(), addEnabled);
            QCOMPARE(f->EditAct->isEnabled(), editDeleteEnabled);
            QCOMPARE(f->DelAct->isEnabled(), editDeleteEnabled);
            QCOMPARE(toolButton(f->EditAct)->isEnabled(), editDeleteEnabled);
            QCOMPARE(f->fcDBTreeView1->isEnabled(), treeAndNavigatorEnabled);
            QCOMPARE(f->DBNavigator1->isEnabled(), treeAndNavigatorEnabled);
            QCOMPARE(f->BitBtn1->isEnabled(), saveCancelEnabled);
            QCOMPARE(f->BitBtn2->isEnabled(), saveCancelEnabled);
            QCOMPARE(DM->dtUserSet->recordCount(), items);
            QCOMPARE(treeLabels().size(), items);
        });
    }

    void closingDropsTheUnsavedItemAndEnablesTheActions_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("adding") << QStringList{"add", "type"};
        QTest::newRow("editing") << QStringList{"edit", "type"};
        QTest::newRow("typed into") << QStringList{"type"};
    }

    void closingDropsTheUnsavedItemAndEnablesTheActions()
    {
        QFETCH(QStringList, steps);
        writeUserSet(fixture(QStringLiteral("two")));
        const auto before = readUserSet();
        withSampler([&] {
            performAll(steps);
            perform(QStringLiteral("close"));
            QVERIFY(!SamplerForm->isVisible());
            QVERIFY(MainForm->isVisible());
            QCOMPARE(state(), TableState::Inactive);
        });
        QCOMPARE(readUserSet(), before);
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            QCOMPARE(state(), TableState::Browse);
            for (QObject* control :
                 {static_cast<QObject*>(f->AddAct), static_cast<QObject*>(f->EditAct),
                  static_cast<QObject*>(f->DelAct), static_cast<QObject*>(f->fcDBTreeView1),
                  static_cast<QObject*>(f->DBNavigator1)})
                QVERIFY2(control->property("enabled").toBool(), qPrintable(control->objectName()));
            QCOMPARE(f->DBMemo1->toPlainText(), QStringLiteral("Question 3"));
        });
    }

    // ---- status display -----------------------------------------------------------------------

    void statusDisplay_data()
    {
        // "=" stands for the text the panel had before the last step.
        QTest::addColumn<QString>("set");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("third");
        QTest::addColumn<QString>("fourth");
        QTest::addColumn<QString>("title");

        using S = QStringList;
        // clang-format off
        QTest::newRow("browsing an item")       << "two"  << S{}                        << " Item ID: 3" << " Items: 2" << "  Browsing"    << "="         << "Item ID: 3";
        QTest::newRow("browsing an empty set")  << "none" << S{}                        << " Empty"      << " Items: 0" << "  Browsing"    << "="         << "The question set is empty";
        QTest::newRow("editing")                << "two"  << S{"edit"}                  << "="           << "="         << " Edit Item"    << " Modified" << "Edit Item";
        QTest::newRow("typing into the memo")   << "two"  << S{"type"}                  << "="           << "="         << " Edit Item"    << " Modified" << "Edit Item";
        QTest::newRow("adding")                 << "two"  << S{"add"}                   << "="           << "="         << " Add new item" << " Modified" << "Add new item";
        QTest::newRow("adding the first item")  << "none" << S{"add"}                   << "="           << "="         << " Add new item" << " Modified" << "Add new item";
        QTest::newRow("after Save of the first")<< "none" << S{"add", "type", "save"}   << " Item ID: 6" << " Items: 1" << "  Browsing"    << " Saved"    << "Item ID: 6";
        QTest::newRow("after Save of an edit")  << "two"  << S{"next", "edit", "save"}  << " Item ID: 5" << " Items: 2" << "  Browsing"    << " Saved"    << "Item ID: 5";
        QTest::newRow("after Cancel")           << "two"  << S{"next", "edit", "cancel"}<< " Item ID: 5" << " Items: 2" << "  Browsing"    << ""          << "Item ID: 5";
        QTest::newRow("after Cancel, empty set")<< "none" << S{"add", "cancel"}         << " Empty"      << " Items: 0" << "  Browsing"    << ""          << "The question set is empty";
        QTest::newRow("moved on after typing")  << "two"  << S{"type", "next"}          << " Item ID: 5" << " Items: 2" << "  Browsing"    << " Modified" << "Item ID: 5";
        QTest::newRow("after Delete")           << "two"  << S{"delete"}                << " Item ID: 5" << " Items: 1" << "  Browsing"    << "="         << "Item ID: 5";
        QTest::newRow("after Empty")            << "two"  << S{"empty"}                 << " Empty"      << " Items: 0" << "  Browsing"    << "="         << "The question set is empty";
        // clang-format on
    }

    void statusDisplay()
    {
        QFETCH(QString, set);
        QFETCH(QStringList, steps);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, third);
        QFETCH(QString, fourth);
        QFETCH(QString, title);

        // An empty set starts numbering where "two" left off, so new items are 6 either way.
        Fixture f = fixture(QStringLiteral("two"));
        if (set == QLatin1String("none"))
            f.dropped = {1, 2, 3, 4, 5};
        writeUserSet(f);
        // The panels keep their texts between openings; give the fourth one a known text.
        SamplerForm->StatusBar1->setPanelText(3, QStringLiteral(" earlier"));
        QStringList before;
        for (int i = 0; i < 4; ++i)
            before << panel(i);
        withSampler([&] {
            for (const QString& step : steps) {
                before.clear();
                for (int i = 0; i < 4; ++i)
                    before << panel(i);
                perform(step);
            }
            const QStringList expected = {first, second, third, fourth};
            for (int i = 0; i < 4; ++i) {
                const QString want = expected[i] == QLatin1String("=") ? before[i] : expected[i];
                QCOMPARE(panel(i), want);
            }
            QCOMPARE(header(), title);
        });
    }

    void browseDisplayShowsTheItem_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QVariant>("type");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("typeText");
        QTest::newRow("section 4, multiple") << 4 << QVariant(true) << 3 << "Multiple responces";
        QTest::newRow("section 6, single") << 6 << QVariant(false) << 5 << "Single responce";
        QTest::newRow("no section, no type") << 0 << QVariant() << -1 << "Single responce";
        QTest::newRow("section out of range") << 9 << QVariant(true) << -1 << "Multiple responces";
    }

    void browseDisplayShowsTheItem()
    {
        QFETCH(int, section);
        QFETCH(QVariant, type);
        QFETCH(int, selectedRow);
        QFETCH(QString, typeText);
        writeUserSet({{{section, type}}, {}});
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            const QList<QListWidgetItem*> selected = f->ListBox1->selectedItems();
            QCOMPARE(selected.isEmpty() ? -1 : f->ListBox1->row(selected.first()), selectedRow);
            QCOMPARE(f->ComboBox1->currentText(), typeText);
            QCOMPARE(f->PageControl1->currentWidget(), f->TabSheet1);
            QCOMPARE(f->DBMemo1->toPlainText(), QStringLiteral("Question 1"));
            QCOMPARE(f->DBMemo2->toPlainText(), QStringLiteral("Explanation 1"));
            QCOMPARE(f->DBEdit2->text(), QStringLiteral("Choice 1.a"));
            QCOMPARE(f->DBEdit5->text(), QStringLiteral("Choice 1.d"));
            QCOMPARE(f->DBEdit7->text(), QString());
            QList<bool> ticks;
            for (int n = 1; n <= 6; ++n)
                ticks << f->choiceCheckBox(n)->isChecked();
            QCOMPARE(ticks, (QList<bool>{false, true, false, false, false, false}));
            QCOMPARE(treeLabels(), QStringList{"1"});
            QVERIFY(f->fcDBTreeView1->topLevelItem(0)->isSelected());
        });
    }

    void emptySetShowsNoSectionAndSavesNone()
    {
        writeUserSet({});
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            showPage(f->TabSheet2);
            // Entering the page puts the focus into the section list, which selects nothing.
            QCOMPARE(QApplication::focusWidget(), f->ListBox1);
            QVERIFY(f->ListBox1->selectedItems().isEmpty());
            QCOMPARE(state(), TableState::Browse);
            performAll({"add", "type", "save"});
            QCOMPARE(state(), TableState::Browse);
        });
        const auto items = readUserSet();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().value("Q_SECT").toInt(), 0);
    }

    // ---- automatic editing --------------------------------------------------------------------

    void typingStartsAnEditAndKeepsEveryKeystroke_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("control");
        QTest::addColumn<TableState>("editing");
        QTest::newRow("item, question memo") << "one"
                                             << "DBMemo1" << TableState::Edit;
        QTest::newRow("item, explanation memo") << "one"
                                                << "DBMemo2" << TableState::Edit;
        QTest::newRow("item, choice edit") << "one"
                                           << "DBEdit4" << TableState::Edit;
        QTest::newRow("item, choice check box") << "one"
                                                << "DBCheckBox1" << TableState::Edit;
        QTest::newRow("empty set, question memo") << "none"
                                                  << "DBMemo1" << TableState::Insert;
        QTest::newRow("empty set, choice edit") << "none"
                                                << "DBEdit4" << TableState::Insert;
        QTest::newRow("empty set, check box") << "none"
                                              << "DBCheckBox1" << TableState::Insert;
    }

    void typingStartsAnEditAndKeepsEveryKeystroke()
    {
        QFETCH(QString, set);
        QFETCH(QString, control);
        QFETCH(TableState, editing);
        writeUserSet(fixture(set));
        QString field;
        QVariant shown;
        qint64 id = 0;
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            QWidget* widget = f->findChild<QWidget*>(control);
            QVERIFY(widget);
            for (QWidget* page = widget; page; page = page->parentWidget()) {
                if (f->PageControl1->indexOf(page) >= 0)
                    showPage(page);
            }
            if (auto* box = qobject_cast<platform::TDBCheckBox*>(widget)) {
                field = box->dataLink().fieldName();
                click(box);
                QCOMPARE(state(), editing);
                shown = box->isChecked();
                QVERIFY(box->isChecked()); // item 3 has choice d correct, so a. was clear
            } else {
                QTest::keyClicks(widget, QStringLiteral("xyz"));
                QCOMPARE(state(), editing);
                if (auto* memo = qobject_cast<platform::TDBMemo*>(widget)) {
                    field = memo->dataLink().fieldName();
                    shown = memo->toPlainText();
                } else {
                    auto* edit = qobject_cast<platform::TDBEdit*>(widget);
                    field = edit->dataLink().fieldName();
                    shown = edit->text();
                }
                QVERIFY2(shown.toString().contains(QStringLiteral("xyz")),
                         qPrintable(shown.toString()));
            }
            // The item actions stay enabled while an edit started by typing.
            QVERIFY(f->AddAct->isEnabled());
            QVERIFY(f->BitBtn1->isEnabled());
            perform(QStringLiteral("save"));
            QCOMPARE(state(), TableState::Browse);
            id = currentId();
        });
        const auto items = readUserSet();
        QCOMPARE(items.keys(), QList<qint64>{id});
        if (shown.typeId() == QMetaType::Bool)
            QCOMPARE(items[id].value(field).toInt(), 1);
        else
            QCOMPARE(items[id].value(field).toString(), shown.toString());
    }

    void movingOnPostsTypedFieldsButNotTypeOrSection_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("navigator") << "next";
        QTest::newRow("tree") << "tree";
    }

    void movingOnPostsTypedFieldsButNotTypeOrSection()
    {
        QFETCH(QString, move);
        writeUserSet(fixture(QStringLiteral("two")));
        QString typed;
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            performAll({"type", "type choice", "tick", "choose type", "choose section"});
            typed = f->DBMemo1->toPlainText();
            perform(move);
            QCOMPARE(state(), TableState::Browse);
            QCOMPARE(currentId(), 5);
            // The other item's own type and section are shown.
            QCOMPARE(f->ListBox1->selectedItems().value(0), f->ListBox1->item(1));
            QCOMPARE(f->ComboBox1->currentText(), QStringLiteral("Single responce"));
            QCOMPARE(f->DBMemo1->toPlainText(), QStringLiteral("Question 5"));
        });
        const QVariantMap item = readUserSet().value(3);
        QCOMPARE(item.value("Q_TEXT").toString(), typed);
        QVERIFY(typed.contains(QStringLiteral("typed")));
        QCOMPARE(item.value("Q2").toString(), QStringLiteral("Choice 3.b typed"));
        QCOMPARE(item.value("A3").toInt(), 1);
        QCOMPARE(item.value("Q_SECT").toInt(), 4);
        QCOMPARE(item.value("Q_TYPE").toInt(), 1);
    }

    void itemWithNothingTypedIsDroppedOnMoving_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("section chosen, navigator")
            << "two" << QStringList{"choose section", "next"};
        QTest::newRow("type chosen, tree") << "two" << QStringList{"choose type", "tree"};
        QTest::newRow("empty set, section chosen, navigator")
            << "none" << QStringList{"choose section", "next"};
    }

    void itemWithNothingTypedIsDroppedOnMoving()
    {
        QFETCH(QString, set);
        QFETCH(QStringList, steps);
        writeUserSet(fixture(set));
        const QString file = dir_->filePath(QLatin1String(data::kUserSetFile));
        const QByteArray bytes = test::fileBytes(file);
        withSampler([&] {
            performAll(steps);
            QCOMPARE(state(), TableState::Browse);
            QVERIFY2(platform::ErrorBox::last().isEmpty(), qPrintable(platform::ErrorBox::last()));
            // Nothing was written: a post writes pages anew even with the same values.
            QVERIFY(test::fileBytes(file) == bytes);
        });
    }

    void newItemTakesOverTypeAndSection_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("type");
        QTest::newRow("from the current item") << "two" << QStringList{"add", "save"} << 4 << 1;
        QTest::newRow("changed by the user")
            << "two" << QStringList{"add", "choose type", "choose section", "save"} << 6 << 0;
        QTest::newRow("empty set, nothing chosen")
            << "none" << QStringList{"add", "save"} << 0 << 0;
        QTest::newRow("empty set, typed first") << "none" << QStringList{"type", "save"} << 0 << 0;
    }

    void newItemTakesOverTypeAndSection()
    {
        QFETCH(QString, set);
        QFETCH(QStringList, steps);
        QFETCH(int, section);
        QFETCH(int, type);
        writeUserSet(fixture(set));
        withSampler([&] {
            performAll(steps);
            QCOMPARE(state(), TableState::Browse);
            QCOMPARE(currentId(), 6 - (set == QLatin1String("none") ? 5 : 0));
        });
        const auto items = readUserSet();
        const QVariantMap item = items.last();
        QCOMPARE(item.value("Q_SECT").toInt(), section);
        QCOMPARE(item.value("Q_TYPE").toInt(), type);
    }

    void typeTypedOverIsLeftAlone()
    {
        writeUserSet(fixture(QStringLiteral("one"))); // item 3 is multiple response
        withSampler([&] {
            perform(QStringLiteral("edit"));
            showPage(SamplerForm->TabSheet2);
            QLineEdit* text = SamplerForm->ComboBox1->lineEdit();
            text->selectAll();
            QTest::keyClicks(text, QStringLiteral("anything"));
            perform(QStringLiteral("save"));
            QCOMPARE(state(), TableState::Browse);
            QCOMPARE(SamplerForm->ComboBox1->currentText(), QStringLiteral("Multiple responces"));
        });
        QCOMPARE(readUserSet().value(3).value("Q_TYPE").toInt(), 1);
    }

    // ---- keyboard -----------------------------------------------------------------------------

    void enterSavesAndEscapeCancelsInAChoiceEdit_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("adding, Enter") << "add" << int(Qt::Key_Return) << true;
        QTest::newRow("adding, Escape") << "add" << int(Qt::Key_Escape) << false;
        QTest::newRow("editing, Enter") << "edit" << int(Qt::Key_Return) << true;
        QTest::newRow("editing, Escape") << "edit" << int(Qt::Key_Escape) << false;
        QTest::newRow("typed into, Enter") << "" << int(Qt::Key_Enter) << true;
    }

    void enterSavesAndEscapeCancelsInAChoiceEdit()
    {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(bool, saved);
        writeUserSet(fixture(QStringLiteral("two")));
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            if (!start.isEmpty())
                perform(start);
            showPage(f->TabSheet3);
            click(f->DBEdit4);
            QTest::keyClicks(f->DBEdit4, QStringLiteral("by key"));
            QTest::keyClick(f->DBEdit4, Qt::Key(key));
            QCOMPARE(state(), TableState::Browse);
            QCOMPARE(panel(3), saved ? QStringLiteral(" Saved") : QString());
            QVERIFY(f->AddAct->isEnabled());
        });
        const auto items = readUserSet();
        QStringList q3;
        for (const QVariantMap& item : items)
            q3 << item.value("Q3").toString();
        const bool adding = start == QLatin1String("add");
        QCOMPARE(items.size(), adding && saved ? 3 : 2);
        QCOMPARE(q3.filter(QStringLiteral("by key")).size(), saved ? 1 : 0);
    }

    void enterDoesNothingWhileBrowsing()
    {
        writeUserSet(fixture(QStringLiteral("two")));
        const QByteArray bytes = test::fileBytes(dir_->filePath(QLatin1String(data::kUserSetFile)));
        withSampler([&] {
            showPage(SamplerForm->TabSheet3);
            QTest::keyClick(SamplerForm->DBEdit2, Qt::Key_Return);
            QTest::keyClick(SamplerForm->DBEdit2, Qt::Key_Escape);
            QCOMPARE(state(), TableState::Browse);
            QVERIFY(SamplerForm->isVisible());
        });
        QVERIFY(test::fileBytes(dir_->filePath(QLatin1String(data::kUserSetFile))) == bytes);
    }

    // ---- questions ----------------------------------------------------------------------------

    void questionsGuardDeleteEmptyAndExit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("itemsAfter");
        QTest::addColumn<bool>("stillOpen");

        const QString del = QStringLiteral("Are you sure to delete this item?");
        const QString empty =
            QStringLiteral("This action will erase all items in this question set!\n"
                           "Are you sure?");
        const QString exit = QStringLiteral("Are you sure to exit?");
        const int confirm = int(platform::MessageKind::Confirmation);
        const int warning = int(platform::MessageKind::Warning);
        QTest::newRow("delete, OK")
            << "delete" << int(QMessageBox::Ok) << confirm << del << 1 << true;
        QTest::newRow("delete, Cancel")
            << "delete" << int(QMessageBox::Cancel) << confirm << del << 2 << true;
        QTest::newRow("empty, OK")
            << "empty" << int(QMessageBox::Ok) << warning << empty << 0 << true;
        QTest::newRow("empty, Cancel")
            << "empty" << int(QMessageBox::Cancel) << warning << empty << 2 << true;
        QTest::newRow("exit, OK") << "exit" << int(QMessageBox::Ok) << confirm << exit << 2
                                  << false;
        QTest::newRow("exit, Cancel")
            << "exit" << int(QMessageBox::Cancel) << confirm << exit << 2 << true;
        QTest::newRow("close box, Cancel")
            << "close" << int(QMessageBox::Cancel) << confirm << exit << 2 << true;
    }

    void questionsGuardDeleteEmptyAndExit()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, itemsAfter);
        QFETCH(bool, stillOpen);
        writeUserSet(fixture(QStringLiteral("two")));
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            MessageBox::clear();
            MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
            if (command == QLatin1String("delete"))
                click(toolButton(f->DelAct));
            else if (command == QLatin1String("empty"))
                chooseMenu(f->Items1, f->Emptyquestionset1);
            else if (command == QLatin1String("exit"))
                chooseMenu(f->File1, f->Exit1);
            else
                f->close();
            QCOMPARE(MessageBox::requests().size(), 1);
            const MessageBox::Request asked = MessageBox::requests().first();
            QCOMPARE(int(asked.kind), kind);
            QCOMPARE(asked.text, text);
            QCOMPARE(asked.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(f->isVisible(), stillOpen);
            if (stillOpen)
                QCOMPARE(DM->dtUserSet->recordCount(), itemsAfter);
        });
        QCOMPARE(readUserSet().size(), itemsAfter);
    }

    // ---- identifiers --------------------------------------------------------------------------

    void everyItemGetsAnIdentifierNeverUsedBefore()
    {
        writeUserSet(fixture(QStringLiteral("two"))); // items 3 and 5; 1, 2 and 4 were deleted
        auto addItem = [](const QString& text) {
            perform(QStringLiteral("add"));
            QTest::keyClicks(SamplerForm->DBMemo1, text);
            perform(QStringLiteral("save"));
            return currentId();
        };
        withSampler([&] {
            QCOMPARE(addItem(QStringLiteral("sixth")), 6);
            QCOMPARE(header(), QStringLiteral("Item ID: 6"));
            QCOMPARE(treeLabels(), (QStringList{"3", "5", "6"}));
            QCOMPARE(SamplerForm->fcDBTreeView1->currentItem()->text(0), QStringLiteral("6"));
            perform(QStringLiteral("delete")); // the newest item
            QCOMPARE(addItem(QStringLiteral("seventh")), 7);
            perform(QStringLiteral("empty"));
            QVERIFY(treeLabels().isEmpty());
            QCOMPARE(addItem(QStringLiteral("eighth")), 8);
            QCOMPARE(addItem(QStringLiteral("ninth")), 9);
        });
        withSampler([&] {
            QCOMPARE(treeLabels(), (QStringList{"8", "9"}));
            QCOMPARE(addItem(QStringLiteral("tenth")), 10);
        });
        const auto items = readUserSet();
        QCOMPARE(items.keys(), (QList<qint64>{8, 9, 10}));
        QCOMPARE(items[9].value("Q_TEXT").toString(), QStringLiteral("ninth"));
    }

    void clickingATreeEntryMakesItsItemCurrent()
    {
        writeUserSet(fixture(QStringLiteral("two")));
        withSampler([&] {
            clickTreeEntry(1);
            QCOMPARE(currentId(), 5);
            QCOMPARE(SamplerForm->DBMemo1->toPlainText(), QStringLiteral("Question 5"));
            QCOMPARE(header(), QStringLiteral("Item ID: 5"));
            click(SamplerForm->DBNavigator1->button(platform::TDBNavigator::First));
            QCOMPARE(SamplerForm->fcDBTreeView1->currentItem()->text(0), QStringLiteral("3"));
        });
    }

    // ---- faults -------------------------------------------------------------------------------

    void refusedItemStaysForAnotherSave_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("afterwards");
        QTest::addColumn<QString>("message");
        const QString held =
            QStringLiteral("The table 'dorvusr.DAT' is in use by another program.");
        const QString readOnly =
            QStringLiteral("The table 'dorvusr.DAT' is read-only; the change was not saved.");
        QTest::newRow("held, adding, saved again") << "held"
                                                   << "add"
                                                   << "save" << held;
        QTest::newRow("held, adding, cancelled") << "held"
                                                 << "add"
                                                 << "cancel" << held;
        QTest::newRow("held, editing, saved again") << "held"
                                                    << "edit"
                                                    << "save" << held;
        QTest::newRow("held, editing, cancelled") << "held"
                                                  << "edit"
                                                  << "cancel" << held;
        QTest::newRow("read-only, adding, saved again") << "read-only"
                                                        << "add"
                                                        << "save" << readOnly;
        QTest::newRow("read-only, editing, saved again") << "read-only"
                                                         << "edit"
                                                         << "save" << readOnly;
    }

    void refusedItemStaysForAnotherSave()
    {
        QFETCH(QString, cause);
        QFETCH(QString, start);
        QFETCH(QString, afterwards);
        QFETCH(QString, message);
        writeUserSet(fixture(QStringLiteral("two")));
        const auto before = readUserSet();
        const bool adding = start == QLatin1String("add");
        const bool held = cause == QLatin1String("held");
        // A file that is read-only when the sampler opens it; another program takes it later.
        if (!held && !makeUserSetReadOnly())
            QSKIP("this user can write read-only files");
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            perform(start);
            QTest::keyClicks(f->DBMemo1, QStringLiteral("kept "));
            const QString typed = f->DBMemo1->toPlainText();
            if (held)
                holdUserSet();
            perform(QStringLiteral("save"));
            QCOMPARE(platform::ErrorBox::last(), message);
            QCOMPARE(state(), adding ? TableState::Insert : TableState::Edit);
            QCOMPARE(panel(3), QStringLiteral(" Modified"));
            QVERIFY(f->BitBtn1->isEnabled());
            QVERIFY(!f->AddAct->isEnabled());
            QVERIFY(!f->DBNavigator1->isEnabled());
            QCOMPARE(f->DBMemo1->toPlainText(), typed);
            release();
            makeUserSetWritable();

            platform::ErrorBox::clearLast();
            perform(afterwards);
            QCOMPARE(platform::ErrorBox::last(), QString());
            QCOMPARE(state(), TableState::Browse);
            QVERIFY(f->AddAct->isEnabled());
            if (afterwards == QLatin1String("save")) {
                QCOMPARE(panel(3), QStringLiteral(" Saved"));
                QCOMPARE(currentId(), adding ? 6 : 3);
            }
        });
        release();
        const auto items = readUserSet();
        const bool saved = afterwards == QLatin1String("save");
        QCOMPARE(items.size(), adding && saved ? 3 : 2);
        // Nothing saved before is lost; the refused item is there once it was saved again.
        QCOMPARE(items.value(5), before.value(5));
        if (saved)
            QVERIFY(items.value(adding ? 6 : 3).value("Q_TEXT").toString().contains("kept"));
        else
            QCOMPARE(items.value(3), before.value(3));
    }

    // ---- window -------------------------------------------------------------------------------

    void choiceEditsEndTenPixelsShortOfTheRightEdge_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("pageShown");
        QTest::newRow("widened on the choices page") << 900 << true;
        QTest::newRow("widened on another page") << 1000 << false;
        QTest::newRow("back to the smallest width") << 646 << true;
    }

    void choiceEditsEndTenPixelsShortOfTheRightEdge()
    {
        QFETCH(int, width);
        QFETCH(bool, pageShown);
        writeUserSet({});
        withSampler([&] {
            TSamplerForm* f = SamplerForm;
            showPage(pageShown ? f->TabSheet3 : f->TabSheet1);
            f->resize(width, f->height());
            showPage(f->TabSheet3);
            QCOMPARE(f->width(), width);
            QCOMPARE(f->ScrollBox2->width(), f->TabSheet3->width());
            for (int n = 1; n <= 6; ++n) {
                platform::TDBEdit* edit = f->choiceEdit(n);
                QCOMPARE(edit->x(), 44);
                const int right = edit->mapTo(f->ScrollBox2, QPoint(edit->width(), 0)).x();
                QCOMPARE(right, f->ScrollBox2->width() - 10);
            }
        });
    }

    void aboutShowsTheAboutWindow()
    {
        writeUserSet({});
        withSampler([&] {
            QWidget* shown = nullptr;
            test::onNextModal([&](QWidget* modal) {
                shown = modal;
                modal->close();
            });
            chooseMenu(SamplerForm->Help1, SamplerForm->About1);
            QVERIFY(shown);
            QCOMPARE(shown->objectName(), QStringLiteral("AboutForm"));
            QVERIFY(SamplerForm->isVisible());
        });
    }
};

QTEST_MAIN(SamplerTest)
#include "tst_sampler.moc"
