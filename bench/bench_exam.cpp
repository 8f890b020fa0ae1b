// (1) An item change, record move to laid-out item, against measuring the same texts at the
//     same widths with QFontMetrics alone.
// (2) Preparing "All Questions" from banks of 350, 10,000 and 100,000 eligible items, against a
//     bare SQLCipher bulk insert of the same rows in one transaction.

#include "TestSupport.h"

#include "data/SqlCipher.h"
#include "data/TablePassword.h"
#include "exam/AnswerSheet.h"
#include "exam/PrepareUnit.h"
#include "exam/TestUnit.h"
#include "platform/WrapLabel.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollArea>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>

using namespace dorvale;

namespace {

QString words(const QString& seed, int bytes)
{
    QString text;
    while (text.size() < bytes)
        text += seed + QString(" word%1").arg(text.size() % 97);
    return text.left(bytes);
}

bank::Item sized(int id, int questionBytes, int choiceBytes, int explanationBytes)
{
    bank::Item item = test::item(id, 1, 1 + id % 6, id % 3 ? "b" : "ac", 4);
    item.question = words("A domain with two trusts and a PDC over a slow WAN link", questionBytes);
    for (auto& choice : item.choices)
        choice.text = words("Add a BDC at the branch office", choiceBytes);
    item.explanation = words("Because a BDC validates logons locally", explanationBytes);
    return item;
}

std::unique_ptr<test::FormsFixture> forms;

// ---- (1) item change ------------------------------------------------------------------------

void startTwoItemExam()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    TestForm->resize(1024, 768);
    TestForm->show();
    test::startExam(TestForm->ExamActions[0]);
}

// Moves to the item whose Q_ID is id (1: typical, 2: 20 KB) from the other one.
void itemChange(benchmark::State& state)
{
    startTwoItemExam();
    const int id = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        test::goToItem(3 - id);
        const int target = TestForm->dtCurrentSet->recNo() == 1 ? 2 : 1;
        state.ResumeTiming();
        TestForm->dtCurrentSet->setRecNo(target); // notifies the item display
    }
}

void measureOnly(benchmark::State& state)
{
    startTwoItemExam();
    test::goToItem(int(state.range(0)));
    TTestForm* f = TestForm;
    const QFontMetrics question(f->QText->font());
    const QFontMetrics choice(f->ALabels[0]->font());
    const QFontMetrics explanation(f->ExpText->font());
    const int area = f->ScrollBox1->width();
    const QString q = f->dtCurrentSet->asString("Q_TEXT");
    const QString e = f->dtCurrentSet->asString("Q_EXPL");
    QStringList choices;
    for (int n = 1; n <= 6; ++n)
        choices << f->dtCurrentSet->asString(QString("Q%1").arg(n));
    const int flags = Qt::TextWordWrap | Qt::TextExpandTabs;
    int sum = 0;
    for (auto _ : state) {
        sum += question.boundingRect(QRect(0, 0, area - 16, 1 << 29), flags, q).height();
        for (const QString& c : choices)
            sum += choice.boundingRect(QRect(0, 0, area - 110, 1 << 29), flags, c).height();
        sum += explanation.boundingRect(QRect(0, 0, area - 38, 1 << 29), flags, e).height();
    }
    benchmark::DoNotOptimize(sum);
}

// ---- (2) preparation ------------------------------------------------------------------------

// Generated banks are kept in the temporary folder between runs: writing 100,000 items takes
// longer than measuring them.
QString bankFolder(int items)
{
    const QString folder =
        QDir(QDir::tempPath()).filePath(QString("dorvale-bench-bank-%1-v1").arg(items));
    if (!QFileInfo::exists(QDir(folder).filePath("dorvale.DAT"))) {
        QDir().mkpath(folder);
        QList<bank::Item> source;
        for (int id = 1; id <= items; ++id)
            source << sized(id, 300, 60, 600);
        test::writeTables(folder, source);
    }
    return folder;
}

void prepareAllQuestions(benchmark::State& state)
{
    const QString folder = bankFolder(int(state.range(0)));
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder);
    TTestForm* f = TestForm;
    for (auto _ : state) {
        f->FMode = 0;
        f->dtQSet->setFilter("Q_EXAM_N<>0");
        f->dtQSet->setFiltered(true);
        f->dtQSet->open();
        PrepareFullSet();
        ResetAnswerSheet();
        state.PauseTiming();
        f->CloseCurrentExam();
        state.ResumeTiming();
    }
    state.counters["items"] = double(state.range(0));
    QDir::setCurrent(before);
}

void bareBulkInsert(benchmark::State& state)
{
    const QString folder = bankFolder(int(state.range(0)));
    const QByteArray key =
        "PRAGMA key = \"x'" + data::deriveTableKey(data::tablePassword()).toHex() + "'\";";
    auto open = [&](const char* file) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(QDir(folder).filePath(file)).constData(), &db,
                        SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, key.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "PRAGMA cipher_page_size = 4096; PRAGMA synchronous = NORMAL;", nullptr,
                     nullptr, nullptr);
        return db;
    };
    // The rows as the preparation writes them, read once beforehand.
    sqlite3* bankDb = open("dorvale.DAT");
    sqlite3_stmt* read = nullptr;
    sqlite3_prepare_v2(
        bankDb,
        "SELECT Q_EXAM_N, Q_SECT, Q_TEXT, Q_EXPL, Q_TYPE, Q1, Q2, Q3, Q4, Q5, Q6, Q_SIM, "
        "A1, A2, A3, A4, A5, A6, PICT1, PICT2, Q_ID, U_MEMO FROM dorvale WHERE Q_EXAM_N <> 0",
        -1, &read, nullptr);
    std::vector<std::vector<QByteArray>> rows;
    while (sqlite3_step(read) == SQLITE_ROW) {
        std::vector<QByteArray> row;
        for (int c = 0; c < 22; ++c)
            row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(read, c)),
                             sqlite3_column_bytes(read, c));
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(read);
    sqlite3_close(bankDb);

    sqlite3* ces = open("ces.DAT");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(
        ces,
        "INSERT INTO ces (Q_EXAM_N, Q_SECT, Q_TEXT, Q_EXPL, Q_TYPE, Q1, Q2, Q3, Q4, Q5, Q6, Q_SIM, "
        "A1, A2, A3, A4, A5, A6, PICT1, PICT2, Q_OR_NUMBER, U_MEMO) VALUES "
        "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        -1, &insert, nullptr);
    for (auto _ : state) {
        sqlite3_exec(ces, "BEGIN IMMEDIATE; DELETE FROM ces;", nullptr, nullptr, nullptr);
        for (const auto& row : rows) {
            for (int c = 0; c < 22; ++c)
                sqlite3_bind_text(insert, c + 1, row[size_t(c)].constData(),
                                  int(row[size_t(c)].size()), SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_exec(ces, "COMMIT;", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(insert);
    sqlite3_close(ces);
    state.counters["items"] = double(state.range(0));
}

} // namespace

BENCHMARK(measureOnly)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(itemChange)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(bareBulkInsert)->Arg(350)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(prepareAllQuestions)->Arg(350)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    test::initEnvironment();
    // Item 1 is a typical item; item 2 has a 10 KB question and a 10 KB explanation.
    forms = std::make_unique<test::FormsFixture>(
        QList<bank::Item>{sized(1, 300, 60, 600), sized(2, 10240, 80, 10240)});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (TestForm->FMode != 0)
        TestForm->CloseCurrentExam();
    forms.reset();
    return 0;
}
