// The table engine: filters and record numbers, record order, fields, editing, emptying,
// exclusive use, notifications, bad files and durability.

#include "TestSupport.h"

#include "data/DataSource.h"
#include "data/Error.h"
#include "data/Schemas.h"
#include "data/Session.h"
#include "data/Table.h"
#include "data/TablePassword.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace dorvale;
using namespace dorvale::data;

namespace {

// Q_EXAM_N of the fixture bank's items 1 to 10.
const int kExams[] = {3, 1, 3, 0, 2, 3, 0, 1, 3, 2};

QList<int> walkIds(Table& table, const QString& field, QList<int>* recNos = nullptr)
{
    QList<int> ids;
    for (table.first(); !table.eof(); table.next()) {
        ids << table.asInteger(field);
        if (recNos)
            *recNos << table.recNo();
    }
    return ids;
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Session> session_;

    QString path(const char* file) const { return dir_->filePath(QLatin1String(file)); }
    std::unique_ptr<Table> table(const char* file)
    {
        return std::make_unique<Table>(session_->sessionName(), QLatin1String(file));
    }
    QProcess* startHelper(const QStringList& args)
    {
        auto* helper = new QProcess(this);
        helper->start(QStringLiteral(DORVALE_TEST_BIN "/tablehelper"), args);
        if (!helper->waitForStarted() || !helper->waitForReadyRead(5000))
            qFatal("tablehelper did not answer");
        return helper;
    }

private slots:
    void initTestCase() { test::initEnvironment(); }

    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        session_ = std::make_unique<Session>(QStringLiteral("Quillon"));
        session_->addPassword(tablePassword());
        session_->setDirectory(dir_->path());
        QList<bank::Item> items;
        for (int id = 1; id <= 10; ++id)
            items << test::item(id, kExams[id - 1], 1 + id % 6, QStringLiteral("a"));
        test::writeTables(dir_->path(), items);
    }

    void cleanup()
    {
        session_.reset();
        dir_.reset();
    }

    void filterSeesOnlyPassingRecordsButKeepsRecordNumbers_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("exam C") << "Q_EXAM_N=3" << QList<int>{1, 3, 6, 9};
        QTest::newRow("every exam") << "Q_EXAM_N<>0" << QList<int>{1, 2, 3, 5, 6, 8, 9, 10};
        QTest::newRow("greater") << "Q_EXAM_N>2" << QList<int>{1, 3, 6, 9};
        QTest::newRow("less or equal, blanks, lower case")
            << " q_exam_n <= 1 " << QList<int>{2, 4, 7, 8};
        QTest::newRow("greater or equal") << "Q_EXAM_N>=2" << QList<int>{1, 3, 5, 6, 9, 10};
        QTest::newRow("less") << "Q_EXAM_N<1" << QList<int>{4, 7};
        QTest::newRow("no item") << "Q_EXAM_N=7" << QList<int>{};
        QTest::newRow("empty expression") << "" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }

    void filterSeesOnlyPassingRecordsButKeepsRecordNumbers()
    {
        QFETCH(QString, filter);
        QFETCH(QList<int>, ids);
        auto bank = table(kBankFile);
        bank->setFilter(filter);
        bank->setFiltered(true);
        bank->open();
        QCOMPARE(bank->recordCount(), ids.size());
        QCOMPARE(bank->isEmpty(), ids.isEmpty());
        QList<int> recNos;
        QCOMPARE(walkIds(*bank, QStringLiteral("Q_ID"), &recNos), ids);
        // Record numbers count over the unfiltered order: in the bank they are the Q_IDs.
        QCOMPARE(recNos, ids);
        for (int id : ids) {
            bank->setRecNo(id);
            QCOMPARE(bank->asInteger(QStringLiteral("Q_ID")), id);
            QVERIFY(bank->findKey(id));
            QCOMPARE(bank->recNo(), id);
        }
        if (!ids.isEmpty()) {
            bank->last();
            QCOMPARE(bank->recNo(), ids.last());
            bank->next(); // past the end: the end flag, and still on the last record
            QVERIFY(bank->eof());
            QCOMPARE(bank->recNo(), ids.last());
            bank->first();
            bank->prior();
            QVERIFY(bank->bof());
            QCOMPARE(bank->recNo(), ids.first());
        }
        // Switching the filter off shows every record again.
        bank->setFiltered(false);
        QCOMPARE(bank->recordCount(), 10);
    }

    void filterIsNeverPastedIntoSql_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::newRow("or") << "Q_EXAM_N=3 OR 1=1";
        QTest::newRow("statement") << "Q_EXAM_N=3; DELETE FROM dorvale";
        QTest::newRow("text operand") << "Q_EXAM_N='3'";
        QTest::newRow("doubled operator") << "Q_EXAM_N==3";
        QTest::newRow("no operand") << "Q_EXAM_N=";
        QTest::newRow("sql") << "1=1) OR (1=1";
        QTest::newRow("unknown field") << "NOT_A_FIELD=1";
        QTest::newRow("quoted field") << "\"Q_EXAM_N\"=1";
    }

    void filterIsNeverPastedIntoSql()
    {
        QFETCH(QString, filter);
        auto bank = table(kBankFile);
        bank->open();
        try {
            bank->setFilter(filter);
            bank->setFiltered(true);
            QFAIL("the filter was accepted");
        } catch (const Error& e) {
            QVERIFY2(e.message().contains(QStringLiteral("filter")) ||
                         e.message().contains(QStringLiteral("NOT_A_FIELD")),
                     qPrintable(e.message()));
        }
        bank->setFiltered(false);
        QCOMPARE(bank->recordCount(), 10);
    }

    void currentSetKeepsAppendOrder()
    {
        auto ces = table(kCurrentSetFile);
        ces->setExclusive(true);
        ces->emptyTable();
        ces->open();
        const QList<int> appended = {7, 2, 9, 1};
        ces->beginBatch();
        for (int id : appended) {
            ces->append();
            ces->setValue(QStringLiteral("Q_OR_NUMBER"), id);
            ces->post();
        }
        ces->commitBatch();
        QList<int> recNos;
        QCOMPARE(walkIds(*ces, QStringLiteral("Q_OR_NUMBER"), &recNos), appended);
        QCOMPARE(recNos, (QList<int>{1, 2, 3, 4}));
        ces->close();

        ces->open(); // the order is the file's, not the session's
        QCOMPARE(walkIds(*ces, QStringLiteral("Q_OR_NUMBER")), appended);
        ces->setRecNo(3);
        QCOMPARE(ces->asInteger(QStringLiteral("Q_OR_NUMBER")), 9);
        ces->close();

        ces->emptyTable(); // closed: opened exclusively for the time of the operation
        ces->open();
        QVERIFY(ces->isEmpty());
        ces->append();
        ces->setValue(QStringLiteral("Q_OR_NUMBER"), 5);
        ces->post();
        QCOMPARE(ces->recNo(), 1);
    }

    void fieldNamesIgnoreLetterCase()
    {
        auto bank = table(kBankFile);
        bank->open();
        bank->setRecNo(2);
        QCOMPARE(bank->asString(QStringLiteral("Q_Text")), QStringLiteral("Question 2"));
        QCOMPARE(bank->asString(QStringLiteral("q_text")),
                 bank->asString(QStringLiteral("Q_TEXT")));
        bank->edit();
        bank->setValue(QStringLiteral("u_Memo"), QStringLiteral("note"));
        bank->post();
        QCOMPARE(bank->asString(QStringLiteral("U_MEMO")), QStringLiteral("note"));
        QVERIFY_THROWS_EXCEPTION(Error, bank->asString(QStringLiteral("NO_SUCH")));
    }

    void absentValuesReadAsEmpty()
    {
        auto ces = table(kCurrentSetFile);
        ces->open();
        ces->append();
        ces->setValue(QStringLiteral("Q_SECT"), 2);
        ces->post();
        QCOMPARE(ces->asInteger(QStringLiteral("Q_EXAM_N")), 0);
        QCOMPARE(ces->asBoolean(QStringLiteral("Q_TYPE")), false);
        QCOMPARE(ces->asString(QStringLiteral("PICT1")), QString());
    }

    void editPostAndCancel()
    {
        auto bank = table(kBankFile);
        bank->open();
        bank->setRecNo(4);
        bank->edit();
        bank->setValue(QStringLiteral("Q_TEXT"), QStringLiteral("dropped"));
        bank->cancel();
        QCOMPARE(bank->asString(QStringLiteral("Q_TEXT")), QStringLiteral("Question 4"));

        bank->edit();
        bank->setValue(QStringLiteral("Q_TEXT"), QStringLiteral("kept"));
        bank->post();
        bank->close();
        bank->open();
        bank->setRecNo(4);
        QCOMPARE(bank->asString(QStringLiteral("Q_TEXT")), QStringLiteral("kept"));

        // A record being added is dropped by cancel, and by a move when nothing was set.
        auto ces = table(kCurrentSetFile);
        ces->open();
        ces->append();
        ces->setValue(QStringLiteral("Q_OR_NUMBER"), 1);
        ces->cancel();
        QVERIFY(ces->isEmpty());
        ces->append();
        ces->first();
        QVERIFY(ces->isEmpty());
        // ... and posted by a move when a field was set.
        ces->append();
        ces->setValue(QStringLiteral("Q_OR_NUMBER"), 3);
        ces->first();
        QCOMPARE(ces->recordCount(), 1);
        QCOMPARE(ces->state(), TableState::Browse);
    }

    void moveByRecordNumberSettlesThePendingEditFirst()
    {
        auto bank = table(kBankFile);
        bank->setFilter(QStringLiteral("Q_EXAM_N=3"));
        bank->setFiltered(true);
        bank->open();
        bank->setRecNo(1);
        bank->edit();
        bank->setValue(QStringLiteral("Q_EXAM_N"), 0); // posted by the move: it leaves the filter
        bank->setRecNo(9);
        QCOMPARE(bank->asInteger(QStringLiteral("Q_ID")), 9);
        QCOMPARE(bank->recordCount(), 3);
    }

    void editFilteredRecordThatLeavesTheFilter()
    {
        auto bank = table(kBankFile);
        bank->setFilter(QStringLiteral("Q_EXAM_N=3"));
        bank->setFiltered(true);
        bank->open();
        bank->setRecNo(3);
        bank->edit();
        bank->setValue(QStringLiteral("Q_EXAM_N"), 1);
        bank->post();
        QCOMPARE(bank->recordCount(), 3);
        QCOMPARE(walkIds(*bank, QStringLiteral("Q_ID")), (QList<int>{1, 6, 9}));
    }

    void userSetNumbersItemsWithoutReuse()
    {
        auto user = table(kUserSetFile);
        user->open();
        auto add = [&](const QString& text) {
            user->insert();
            user->setValue(QStringLiteral("Q_TEXT"), text);
            user->post();
            return user->asInteger(QStringLiteral("Q_ID"));
        };
        QCOMPARE(add(QStringLiteral("one")), 1);
        QCOMPARE(add(QStringLiteral("two")), 2);
        QCOMPARE(add(QStringLiteral("three")), 3);
        user->deleteRecord();
        QCOMPARE(user->recordCount(), 2);
        QCOMPARE(user->asInteger(QStringLiteral("Q_ID")), 2); // a neighbour is current
        QCOMPARE(add(QStringLiteral("four")), 4);
        user->close();
        user->setExclusive(true);
        user->open();
        user->emptyTable();
        QVERIFY(user->isEmpty());
        QCOMPARE(add(QStringLiteral("five")), 5);
        user->close();
        user->setExclusive(false);
        user->emptyTable();
        user->open();
        QCOMPARE(add(QStringLiteral("six")), 6);
    }

    void emptyingAnOpenSharedTableIsRefused()
    {
        auto bank = table(kBankFile);
        bank->open();
        QVERIFY_THROWS_EXCEPTION(Error, bank->emptyTable());
        QCOMPARE(bank->recordCount(), 10);
    }

    void notificationsComeInOrder()
    {
        auto ces = table(kCurrentSetFile);
        DataSource source;
        source.setDataSet(ces.get());
        QStringList log;
        const char* names[] = {"Inactive", "Browse", "Edit", "Insert"};
        connect(&source, &DataSource::stateChange, this,
                [&] { log << QStringLiteral("state ") + QLatin1String(names[int(ces->state())]); });
        connect(&source, &DataSource::dataChange, this,
                [&](const QString& field) { log << QStringLiteral("data ") + field; });
        auto expect = [&](std::function<void()> step, QStringList expected) {
            log.clear();
            step();
            QCOMPARE(log, expected);
        };
        expect([&] { ces->open(); }, {"state Browse", "data "});
        expect([&] { ces->append(); }, {"state Insert", "data "});
        expect([&] { ces->setValue(QStringLiteral("q_or_number"), 1); }, {"data Q_OR_NUMBER"});
        expect([&] { ces->post(); }, {"state Browse", "data "});
        expect([&] { ces->append(); }, {"state Insert", "data "});
        expect([&] { ces->setValue(QStringLiteral("Q_OR_NUMBER"), 2); }, {"data Q_OR_NUMBER"});
        expect([&] { ces->first(); }, {"state Browse", "data ", "data "}); // posted, then moved
        expect([&] { ces->next(); }, {"data "});
        expect([&] { ces->next(); }, {}); // at the end: no move, no notification
        expect([&] { ces->edit(); }, {"state Edit", "data "});
        expect([&] { ces->cancel(); }, {"state Browse", "data "});
        expect([&] { ces->setRecNo(1); }, {"data "});
        expect([&] { ces->deleteRecord(); }, {"data "});
        expect([&] { ces->close(); }, {"state Inactive"});
    }

    void editingAnEmptyTableStartsANewRecord()
    {
        auto user = table(kUserSetFile);
        user->open();
        QVERIFY(user->isEmpty());
        user->edit();
        QCOMPARE(user->state(), TableState::Insert);
        QVERIFY(!user->isEmpty()); // a record is being inserted
    }

    void badFilesFailWithTheFileNamedAndUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("other password") << "password";
        QTest::newRow("held by another program") << "held";
    }

    void badFilesFailWithTheFileNamedAndUntouched()
    {
        QFETCH(QString, kind);
        const QString name = QStringLiteral("bad.DAT");
        const QString file = dir_->filePath(name);
        QProcess* helper = nullptr;
        if (kind == QLatin1String("random")) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            for (int i = 0; i < 4096; ++i)
                out.putChar(char((i * 7919 + 13) % 251));
        } else if (kind == QLatin1String("password")) {
            Session other(QStringLiteral("other"));
            other.addPassword(QStringLiteral("another secret"));
            QVERIFY(createTableFile(other, TableKind::CurrentSet, file));
        } else if (kind == QLatin1String("held")) {
            QFile::copy(path(kCurrentSetFile), file);
            helper =
                startHelper({QStringLiteral("hold"), dir_->path(), name, QStringLiteral("5000")});
        }
        const QByteArray before = test::fileBytes(file);

        Table bad(session_->sessionName(), name);
        bad.setLockRetryCount(2);
        bad.setLockWaitTime(20);
        try {
            bad.open();
            QFAIL("the table opened");
        } catch (const Error& e) {
            QVERIFY2(e.message().contains(name), qPrintable(e.message()));
        }
        QVERIFY(!bad.active());
        QCOMPARE(test::fileBytes(file), before);
        QCOMPARE(QFileInfo::exists(file), kind != QLatin1String("missing"));
        if (helper) {
            helper->kill();
            helper->waitForFinished();
        }
    }

    void waitsForALockThatIsReleased()
    {
        QProcess* helper = startHelper({QStringLiteral("hold"), dir_->path(),
                                        QLatin1String(kCurrentSetFile), QStringLiteral("400")});
        auto ces = table(kCurrentSetFile); // 15 retries, 100 ms apart
        ces->open();
        QVERIFY(ces->active());
        helper->waitForFinished();
    }

    void postedRecordSurvivesAKill()
    {
        QProcess* helper =
            startHelper({QStringLiteral("post"), dir_->path(), QLatin1String(kCurrentSetFile)});
        QCOMPARE(helper->readAll().trimmed(), QByteArray("posted"));
        ::kill(pid_t(helper->processId()), SIGKILL);
        helper->waitForFinished();
        auto ces = table(kCurrentSetFile);
        ces->open();
        QCOMPARE(ces->recordCount(), 1);
        QCOMPARE(ces->asInteger(QStringLiteral("Q_OR_NUMBER")), 4242);
    }

    void passwordMustComeFirst()
    {
        Session bare(QStringLiteral("bare"));
        bare.setDirectory(dir_->path());
        Table bank(bare.sessionName(), QLatin1String(kBankFile));
        QVERIFY_THROWS_EXCEPTION(Error, bank.open());
    }
};

QTEST_GUILESS_MAIN(TableTest)
#include "tst_table.moc"
