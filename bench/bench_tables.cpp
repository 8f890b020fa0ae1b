// Opening the bank, filtering on "Q_EXAM_N<>0" and walking every record with its record number,
// against the same rows read with a bare SQLCipher SELECT.

#include "BankSource.h"
#include "TestSupport.h"

#include "data/Session.h"
#include "data/SqlCipher.h"
#include "data/Table.h"
#include "data/TablePassword.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace dorvale;

namespace {

constexpr int kItems = 100000;

// A generated bank of kItems items, one in eight retired, written once per run.
QString bankDir()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        bank::Source source;
        for (int id = 1; id <= kItems; ++id) {
            bank::Item item = test::item(id, id % 8, 1 + id % 6, id % 3 ? "b" : "ac", 5);
            item.question = QString("Generated question %1 about a domain with several trusts, "
                                    "a PDC, two BDCs and a WAN link of 64 Kbps. What do you do?")
                                .arg(id);
            item.explanation = QString("Because the explanation of item %1 needs a few lines "
                                       "of text to be realistic in size.")
                                   .arg(id)
                                   .repeated(3);
            source.items << item;
        }
        bank::writeBankTable(source, QDir(dir.path()).filePath("dorvale.DAT"));
        written = true;
    }
    return dir.path();
}

void cursorWalk(benchmark::State& state)
{
    data::Session session("bench");
    session.addPassword(data::tablePassword());
    session.setDirectory(bankDir());
    qint64 sum = 0;
    for (auto _ : state) {
        data::Table bank(session.sessionName(), "dorvale.DAT");
        bank.setFilter("Q_EXAM_N<>0");
        bank.setFiltered(true);
        bank.open();
        for (bank.first(); !bank.eof(); bank.next()) {
            sum += bank.recNo() + bank.asInteger("Q_EXAM_N");
            sum += bank.asString("Q_TEXT").size();
        }
        bank.close();
    }
    benchmark::DoNotOptimize(sum);
}

void bareSelect(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(QDir(bankDir()).filePath("dorvale.DAT"));
    const QByteArray key =
        "PRAGMA key = \"x'" + data::deriveTableKey(data::tablePassword()).toHex() + "'\";";
    qint64 sum = 0;
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(db, key.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "PRAGMA cipher_page_size = 4096;", nullptr, nullptr, nullptr);
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM dorvale WHERE Q_EXAM_N <> ? ORDER BY Q_ID", -1,
                           &select, nullptr);
        sqlite3_bind_int(select, 1, 0);
        const int columns = sqlite3_column_count(select);
        // The same rows, every field made into a Qt value, as the cursor hands them out.
        while (sqlite3_step(select) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                if (sqlite3_column_type(select, c) == SQLITE_INTEGER) {
                    sum += QVariant(qint64(sqlite3_column_int64(select, c))).toLongLong();
                } else {
                    const auto* text =
                        reinterpret_cast<const char*>(sqlite3_column_text(select, c));
                    sum += QVariant(QString::fromUtf8(text, sqlite3_column_bytes(select, c)))
                               .toString()
                               .size();
                }
            }
        }
        sqlite3_finalize(select);
        sqlite3_close(db);
    }
    benchmark::DoNotOptimize(sum);
}

} // namespace

BENCHMARK(bareSelect)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(cursorWalk)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
