// The bank tool: invariant and content checks, exact round trip, and rebuilds that keep what
// the user wrote.

#include "TestSupport.h"

#include "data/Error.h"
#include "data/Session.h"
#include "data/Table.h"
#include "data/TablePassword.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace dorvale;

namespace {

bank::Source sampleSource()
{
    bank::Source source;
    source.items << test::item(1, 1, 1, QStringLiteral("b"))
                 << test::item(2, 2, 4, QStringLiteral("ac"), 6)
                 << test::item(3, 0, 6, QStringLiteral("a"), 2);
    source.items[1].pict1 = QStringLiteral("net.svg");
    source.items[1].question = QStringLiteral("Line one\n\nLine \"two\" \\ tab\t and \u00e9\u4e2d");
    source.items[2].choices.insert(1, {QString(), false}); // a gap: b missing, c present
    source.items[2].sim = QStringLiteral("sim text");
    return source;
}

int runTool(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral(DORVALE_BANK_TOOL), args);
    tool.waitForFinished(30000);
    if (out)
        *out = tool.readAllStandardOutput();
    if (err)
        *err = tool.readAllStandardError();
    return tool.exitCode();
}

} // namespace

class BankToolTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString writeSourceFile(const bank::Source& source,
                            const QString& name = QStringLiteral("bank.json"))
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bank::writeSource(source));
        return path;
    }

private slots:
    void initTestCase()
    {
        test::initEnvironment();
        QDir(dir_.path()).mkdir(QStringLiteral("pictures"));
        QFile picture(dir_.filePath(QStringLiteral("pictures/net.svg")));
        picture.open(QIODevice::WriteOnly);
        picture.write("<svg/>");
    }

    void validSourcePasses()
    {
        QCOMPARE(bank::validate(sampleSource(), dir_.filePath(QStringLiteral("pictures"))),
                 QStringList());
    }

    void invariantFailuresNameItemAndField_data()
    {
        QTest::addColumn<std::function<void(bank::Source&)>>("breakIt");
        QTest::addColumn<QString>("expected");
        using F = std::function<void(bank::Source&)>;
        QTest::newRow("gap in Q_ID")
            << F([](bank::Source& s) { s.items[1].id = 5; }) << "item 5: Q_ID is 5 at position 2";
        QTest::newRow("Q_ID from 0")
            << F([](bank::Source& s) { s.items[0].id = 0; }) << "item 0: Q_ID is 0 at position 1";
        QTest::newRow("exam 8") << F([](bank::Source& s) { s.items[0].exam = 8; })
                                << "item 1: Q_EXAM_N is 8";
        QTest::newRow("exam -1") << F([](bank::Source& s) { s.items[2].exam = -1; })
                                 << "item 3: Q_EXAM_N is -1";
        QTest::newRow("section 0")
            << F([](bank::Source& s) { s.items[0].section = 0; }) << "item 1: Q_SECT is 0";
        QTest::newRow("section 7")
            << F([](bank::Source& s) { s.items[1].section = 7; }) << "item 2: Q_SECT is 7";
        QTest::newRow("single with two keys")
            << F([](bank::Source& s) { s.items[0].choices[0].correct = true; })
            << "item 1: Q_TYPE is single response, but 2 existing choices";
        QTest::newRow("single with no key")
            << F([](bank::Source& s) { s.items[0].choices[1].correct = false; })
            << "item 1: Q_TYPE is single response, but 0 existing choices";
        QTest::newRow("multiple with no key") << F([](bank::Source& s) {
            s.items[1].choices[0].correct = false;
            s.items[1].choices[2].correct = false;
        }) << "item 2: Q_TYPE is multiple response, but no existing choice";
        QTest::newRow("key on a missing choice")
            << F([](bank::Source& s) { s.items[2].choices[1].correct = true; })
            << "item 3: A2 marks choice b as correct, but Q2 is empty";
        QTest::newRow("missing picture")
            << F([](bank::Source& s) { s.items[0].pict2 = QStringLiteral("none.png"); })
            << "item 1: PICT2 names 'none.png'";
        QTest::newRow("seven choices") << F([](bank::Source& s) {
            s.items[1].choices.append({QStringLiteral("g"), false});
        }) << "item 2: it has 7 choices";
        QTest::newRow("empty question")
            << F([](bank::Source& s) { s.items[0].question = QStringLiteral("  "); })
            << "item 1: Q_TEXT is empty";
        QTest::newRow("line break in a choice")
            << F([](bank::Source& s) { s.items[0].choices[0].text = QStringLiteral("two\nlines"); })
            << "item 1: Q1 holds a line break";
    }

    void invariantFailuresNameItemAndField()
    {
        QFETCH(std::function<void(bank::Source&)>, breakIt);
        QFETCH(QString, expected);
        bank::Source source = sampleSource();
        breakIt(source);
        const QStringList failures =
            bank::validate(source, dir_.filePath(QStringLiteral("pictures")));
        QVERIFY2(failures.size() == 1 && failures[0].startsWith(expected),
                 qPrintable(failures.join(QLatin1Char('|'))));
    }

    void malformedSourceIsRejected_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{ items: ");
        QTest::newRow("no format") << QByteArray(R"({"items": []})");
        QTest::newRow("unknown field") << QByteArray(
            R"({"format": 1, "items": [{"id": 1, "exam": 1, "section": 1, "multiple": false, "question": "q", "choices": [], "explanation": "", "sectoin": 2}]})");
        QTest::newRow("fractional exam") << QByteArray(
            R"({"format": 1, "items": [{"id": 1, "exam": 1.5, "section": 1, "multiple": false, "question": "q", "choices": [], "explanation": ""}]})");
        QTest::newRow("missing explanation") << QByteArray(
            R"({"format": 1, "items": [{"id": 1, "exam": 1, "section": 1, "multiple": false, "question": "q", "choices": []}]})");
    }

    void malformedSourceIsRejected()
    {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(Error, bank::parseSource(json));
    }

    void compileAndExportRoundTripExactly()
    {
        const QString sourcePath = writeSourceFile(sampleSource());
        const QString out = dir_.filePath(QStringLiteral("roundtrip"));
        QCOMPARE(runTool({QStringLiteral("compile"), sourcePath, out}), 0);
        for (const char* name : {"dorvale.DAT", "ces.DAT", "dorvusr.DAT"})
            QVERIFY(QFileInfo::exists(QDir(out).filePath(QLatin1String(name))));
        QByteArray exported;
        QCOMPARE(
            runTool({QStringLiteral("export"), QDir(out).filePath(QStringLiteral("dorvale.DAT"))},
                    &exported),
            0);
        QCOMPARE(exported, test::fileBytes(sourcePath));
    }

    void brokenSourceWritesNothing()
    {
        bank::Source source = sampleSource();
        source.items[0].section = 9;
        const QString sourcePath = writeSourceFile(source, QStringLiteral("broken.json"));
        const QString out = dir_.filePath(QStringLiteral("broken-out"));
        QByteArray err;
        QCOMPARE(runTool({QStringLiteral("compile"), sourcePath, out}, nullptr, &err), 1);
        QVERIFY2(err.contains("item 1: Q_SECT is 9"), err.constData());
        QVERIFY(!QFileInfo::exists(out));
        // A source that is not in canonical form is refused too, naming the fix.
        QFile::remove(sourcePath);
        QFile loose(sourcePath);
        loose.open(QIODevice::WriteOnly);
        loose.write(bank::writeSource(sampleSource()).replace("    ", "  "));
        loose.close();
        QCOMPARE(runTool({QStringLiteral("validate"), sourcePath}, nullptr, &err), 1);
        QVERIFY2(err.contains("dorvale-bank format"), err.constData());
    }

    void rebuildKeepsNotesAndUserItems()
    {
        const QString out = dir_.filePath(QStringLiteral("rebuild"));
        bank::Source source = sampleSource();
        QCOMPARE(runTool({QStringLiteral("compile"), writeSourceFile(source), out}), 0);

        // The user writes notes on items 1 and 2 and an item of their own.
        data::Session session(QStringLiteral("user"));
        session.addPassword(data::tablePassword());
        session.setDirectory(out);
        {
            data::Table bankTable(session.sessionName(), QStringLiteral("dorvale.DAT"));
            bankTable.open();
            for (int id : {1, 2}) {
                bankTable.setRecNo(id);
                bankTable.edit();
                bankTable.setValue(QStringLiteral("U_MEMO"), QStringLiteral("note %1").arg(id));
                bankTable.post();
            }
            data::Table user(session.sessionName(), QStringLiteral("dorvusr.DAT"));
            user.open();
            user.insert();
            user.setValue(QStringLiteral("Q_TEXT"), QStringLiteral("my own question"));
            user.post();
        }

        // The source changes: item 1's question is reworded, item 4 is added.
        source.items[0].question = QStringLiteral("Reworded question");
        source.items << test::item(4, 3, 2, QStringLiteral("d"));
        QCOMPARE(runTool({QStringLiteral("compile"), writeSourceFile(source), out}), 0);

        data::Table bankTable(session.sessionName(), QStringLiteral("dorvale.DAT"));
        bankTable.open();
        QCOMPARE(bankTable.recordCount(), 4);
        bankTable.setRecNo(1);
        QCOMPARE(bankTable.asString(QStringLiteral("U_MEMO")), QString()); // its item changed
        bankTable.setRecNo(2);
        QCOMPARE(bankTable.asString(QStringLiteral("U_MEMO")), QStringLiteral("note 2"));
        data::Table user(session.sessionName(), QStringLiteral("dorvusr.DAT"));
        user.open();
        QCOMPARE(user.recordCount(), 1);
        QCOMPARE(user.asString(QStringLiteral("Q_TEXT")), QStringLiteral("my own question"));
    }

    void shippedBankHasSevenFullExams()
    {
        const bank::Source shipped =
            bank::readSourceFile(QStringLiteral(DORVALE_SOURCE_DIR "/bank/dorvale.json"));
        QMap<int, QSet<int>> sections;
        QMap<int, int> sizes;
        int withExhibit = 0;
        int withTwo = 0;
        for (const bank::Item& item : shipped.items) {
            ++sizes[item.exam];
            sections[item.exam].insert(item.section);
            withExhibit += !item.pict1.isEmpty() || !item.pict2.isEmpty();
            withTwo += !item.pict1.isEmpty() && !item.pict2.isEmpty();
        }
        for (int exam = 1; exam <= 7; ++exam) {
            QVERIFY2(sizes[exam] >= 50 && sizes[exam] <= 60, qPrintable(QString::number(exam)));
            QCOMPARE(sections[exam].size(), 6);
        }
        QVERIFY(sizes[0] >= 5 && sizes[0] <= 10);
        QVERIFY(shipped.items.size() - sizes[0] >= 350);
        QVERIFY(withExhibit >= 30);
        QVERIFY(withTwo >= 5);
    }

    void shippedSourceIsValidAndCanonical()
    {
        QByteArray err;
        QCOMPARE(runTool({QStringLiteral("validate"),
                          QStringLiteral(DORVALE_SOURCE_DIR "/bank/dorvale.json")},
                         nullptr, &err),
                 0);
    }
};

QTEST_GUILESS_MAIN(BankToolTest)
#include "tst_banktool.moc"
