#include "PrepareUnit.h"

#include "AnswerSheet.h"
#include "NameUnit.h"
#include "ProgressUnit.h"
#include "TestUnit.h"
#include "platform/ErrorBox.h"
#include "platform/TSpinEdit.h"

#include <QDateTime>
#include <QProgressBar>
#include <QScopeGuard>

#include <chrono>
#include <random>

namespace dorvale {

namespace {

enum class Source { Bank, UserSet };

// Fields copied from each source, in the order they are written.
const QStringList& copiedFields(Source source)
{
    static const QStringList bank = {
        QStringLiteral("Q_EXAM_N"), QStringLiteral("Q_SECT"), QStringLiteral("Q_TEXT"),
        QStringLiteral("Q_EXPL"),   QStringLiteral("Q_TYPE"), QStringLiteral("Q1"),
        QStringLiteral("Q2"),       QStringLiteral("Q3"),     QStringLiteral("Q4"),
        QStringLiteral("Q5"),       QStringLiteral("Q6"),     QStringLiteral("Q_SIM"),
        QStringLiteral("A1"),       QStringLiteral("A2"),     QStringLiteral("A3"),
        QStringLiteral("A4"),       QStringLiteral("A5"),     QStringLiteral("A6"),
        QStringLiteral("PICT1"),    QStringLiteral("PICT2")};
    static const QStringList user = {
        QStringLiteral("Q_SECT"), QStringLiteral("Q_TEXT"), QStringLiteral("Q_EXPL"),
        QStringLiteral("Q_TYPE"), QStringLiteral("Q1"),     QStringLiteral("Q2"),
        QStringLiteral("Q3"),     QStringLiteral("Q4"),     QStringLiteral("Q5"),
        QStringLiteral("Q6"),     QStringLiteral("A1"),     QStringLiteral("A2"),
        QStringLiteral("A3"),     QStringLiteral("A4"),     QStringLiteral("A5"),
        QStringLiteral("A6")};
    return source == Source::Bank ? bank : user;
}

// The pool: the record numbers of the filtered bank (which are its Q_IDs), or the Q_IDs of the
// user question set.
std::vector<qint32> collectPool(data::Table& source, Source kind)
{
    std::vector<qint32> pool;
    pool.reserve(size_t(source.recordCount()));
    for (source.first(); !source.eof(); source.next())
        pool.push_back(kind == Source::Bank ? source.recNo()
                                            : source.asInteger(QStringLiteral("Q_ID")));
    return pool;
}

// Copies the drawn items into the emptied current exam set, in the drawn order.
void fillCurrentSet(data::Table& source, Source kind, const std::vector<qint32>& order)
{
    TTestForm* f = TestForm;
    data::Table& ces = *f->dtCurrentSet;
    QProgressBar* bar = ProgressForm->ProgressBar1;
    // Opened for this program alone and then emptied: the same as emptying it first, with one
    // opening of the file less.
    ces.setExclusive(true);
    ces.open();
    ces.emptyTable();
    bar->setMaximum(int(order.size()));

    // The fields are looked up once, not once per item.
    std::vector<std::pair<int, int>> fields; // source field, current exam set field
    for (const QString& name : copiedFields(kind))
        fields.emplace_back(source.fieldIndex(name), ces.fieldIndex(name));
    fields.emplace_back(source.fieldIndex(QStringLiteral("U_MEMO")),
                        ces.fieldIndex(QStringLiteral("U_MEMO")));
    const int sourceId = source.fieldIndex(QStringLiteral("Q_ID"));
    const int originalNumber = ces.fieldIndex(QStringLiteral("Q_OR_NUMBER"));

    // The items are read in the drawn order, all over the file: with the whole source in the
    // page cache each page is decrypted once. Nothing follows the records while the set is
    // filled. Both are undone however the filling ends.
    constexpr qint64 kMaxCacheKiB = 512 * 1024;
    source.setCacheSize(std::min(kMaxCacheKiB, source.fileSize() / 1024 + 1024));
    source.disableControls();
    ces.disableControls();
    const auto restore = qScopeGuard([&] {
        ces.enableControls();
        source.enableControls();
        platform::guarded([&] { source.setCacheSize(0); });
    });
    // One transaction writes the whole set, or nothing of it.
    ces.beginBatch();
    try {
        for (size_t k = 0; k < order.size(); ++k) {
            source.findKey(order[k]);
            bar->setValue(int(k));
            ces.append();
            for (const auto& [from, to] : fields)
                ces.setValue(to, source.value(from));
            ces.setValue(originalNumber, source.value(sourceId));
            ces.post();
        }
        ces.commitBatch();
    } catch (...) {
        ces.rollbackBatch();
        throw;
    }
    ces.first();
    f->FFirstItem = ces.recNo();
    f->FItemCount = ces.recordCount();
}

void prepare(data::Table& source, Source kind, std::optional<size_t> count)
{
    ProgressForm->show();
    ProgressForm->centreOnScreen();
    try {
        std::vector<qint32> pool = collectPool(source, kind);
        const size_t k = count ? std::min(*count, pool.size()) : pool.size();
        const std::vector<qint32> order = DrawOrder(std::move(pool), k, ClockSeed());
        fillCurrentSet(source, kind, order);
    } catch (...) {
        ProgressForm->hide();
        throw;
    }
    ProgressForm->hide();
}

} // namespace

quint64 ClockSeed()
{
    // The time of day in milliseconds, mixed with a finer clock so that two preparations within
    // the same millisecond still draw different orders.
    const quint64 ms = quint64(QTime::currentTime().msecsSinceStartOfDay());
    const quint64 fine = quint64(std::chrono::steady_clock::now().time_since_epoch().count());
    return ms ^ (fine * 0x9E3779B97F4A7C15ull);
}

std::vector<qint32> DrawOrder(std::vector<qint32> pool, size_t count, quint64 seed)
{
    // A partial Fisher-Yates shuffle: each of the first count places takes a value drawn
    // uniformly from those not yet placed, so the cost grows with count, not with retries.
    std::mt19937_64 random(seed);
    count = std::min(count, pool.size());
    for (size_t k = 0; k < count; ++k) {
        std::uniform_int_distribution<size_t> pick(k, pool.size() - 1);
        std::swap(pool[k], pool[pick(random)]);
    }
    pool.resize(count);
    return pool;
}

void PrepareFullSet()
{
    prepare(*TestForm->dtQSet, Source::Bank, std::nullopt);
}

void PrepareRandomSet()
{
    prepare(*TestForm->dtQSet, Source::Bank, size_t(NameForm->SpinEdit2->value()));
}

void PrepareUserSet()
{
    prepare(*TestForm->dtUserSet, Source::UserSet, std::nullopt);
}

void ResetAnswerSheet()
{
    data::Table& ces = *TestForm->dtCurrentSet;
    ces.first();
    // Entries that grow start cleared; the loop below clears the others.
    ItemAnswers.resize(size_t(ces.recordCount()));
    while (!ces.eof()) {
        TItemAnswer& entry = ItemAnswers[size_t(ces.recNo() - 1)];
        entry = TItemAnswer{};
        entry.Section = ces.asInteger(QStringLiteral("Q_SECT"));
        ces.next();
    }
}

} // namespace dorvale
