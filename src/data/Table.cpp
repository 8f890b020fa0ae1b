#include "Table.h"

#include "DataSource.h"
#include "Error.h"
#include "Session.h"

#include <QFileInfo>

#include <algorithm>

namespace dorvale::data {

namespace {

constexpr int kBlockRows = 64;
constexpr size_t kCacheLimit = 1024;

// Resets a cached statement however the code that used it ends, so no read lock is kept.
struct ResetOnExit {
    Statement& statement;
    ~ResetOnExit() { statement.reset(); }
};

QVariant normalized(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Bool:
        return QVariant(qint64(value.toBool() ? 1 : 0));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QVariant(value.toLongLong());
    default:
        return QVariant(value.toString());
    }
}

void insertSorted(std::vector<qint64>& keys, qint64 key)
{
    keys.insert(std::lower_bound(keys.begin(), keys.end(), key), key);
}

void eraseSorted(std::vector<qint64>& keys, qint64 key)
{
    const auto it = std::lower_bound(keys.begin(), keys.end(), key);
    if (it != keys.end() && *it == key)
        keys.erase(it);
}

} // namespace

Table::Table(QString sessionName, QString tableName, QObject* parent)
    : QObject(parent)
    , sessionName_(std::move(sessionName))
    , tableName_(std::move(tableName))
{}

Session& Table::session() const
{
    return Session::named(sessionName_);
}

Table::~Table()
{
    for (DataSource* source : std::as_const(sources_))
        source->tableDestroyed();
    forgetStatements();
}

// ---- opening and closing -------------------------------------------------------------------

void Table::open()
{
    if (active())
        return;
    try {
        openDatabase();
        readLayout();
        loadOrder();
        applyFilter();
    } catch (...) {
        forgetStatements();
        db_.close();
        all_.clear();
        view_.clear();
        throw;
    }
    state_ = TableState::Browse;
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    notifyState();
    notifyData(QString());
}

void Table::openDatabase()
{
    db_ = Database(session().pathOf(tableName_), tableName_, session().tableKey(),
                   Database::Mode::OpenExisting, locks_);
    if (exclusive_)
        db_.lockExclusively();
}

void Table::readLayout()
{
    QStringList tables;
    {
        Statement list(db_, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                           "AND name NOT LIKE 'sqlite_%'"));
        while (list.step())
            tables << list.text(0);
    }
    if (tables.size() != 1)
        throw Error(QStringLiteral("The file '%1' is not a Dorvale table.").arg(tableName_));
    sqlTable_ = tables.first();

    columns_.clear();
    columnIndex_.clear();
    keyField_.clear();
    keyColumn_ = -1;
    Statement info(db_, QStringLiteral("PRAGMA table_info(\"%1\")").arg(sqlTable_));
    while (info.step()) {
        const QString name = info.text(1);
        const bool integerKey =
            info.int64(5) == 1 &&
            info.text(2).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        if (integerKey) {
            keyField_ = name;
            keyColumn_ = int(columns_.size());
        }
        columnIndex_.insert(name, int(columns_.size()));
        columnIndex_.insert(name.toLower(), int(columns_.size()));
        columns_ << name;
    }

    // The statements every record costs are written once per opening.
    QStringList quoted;
    for (const QString& column : std::as_const(columns_))
        quoted << QLatin1Char('"') + column + QLatin1Char('"');
    selectOneSql_ = QStringLiteral("SELECT rowid, %1 FROM \"%2\" WHERE rowid = ?")
                        .arg(quoted.join(QLatin1Char(',')), sqlTable_);
    QStringList withoutKey = quoted;
    if (keyColumn_ >= 0)
        withoutKey.removeAt(keyColumn_);
    auto insertOf = [&](const QStringList& names) {
        return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
            .arg(sqlTable_, names.join(QLatin1Char(',')),
                 QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    };
    insertSql_ = insertOf(quoted);
    insertNoKeySql_ = insertOf(withoutKey);
}

void Table::loadOrder()
{
    all_.clear();
    Statement order(db_, QStringLiteral("SELECT rowid FROM \"%1\" ORDER BY rowid").arg(sqlTable_));
    while (order.step())
        all_.push_back(order.int64(0));
}

bool Table::filtering() const
{
    return filtered_ && !filterExpr_.isEmpty();
}

void Table::applyFilter()
{
    view_.clear();
    filterColumn_ = -1;
    selectBlock_.reset();
    selectBlockSql_ = selectOneSql_;
    selectBlockSql_.replace(QStringLiteral("WHERE rowid = ?"), QStringLiteral("WHERE rowid >= ?"));
    if (!filtering()) {
        selectBlockSql_ += QStringLiteral(" ORDER BY rowid LIMIT %1").arg(kBlockRows);
        return;
    }
    filterColumn_ = checkedColumnOf(filterExpr_.field());
    selectBlockSql_ += QStringLiteral(" AND %1 ORDER BY rowid LIMIT %2")
                           .arg(filterExpr_.sqlCondition(columns_[filterColumn_]))
                           .arg(kBlockRows);
    Statement select(db_, QStringLiteral("SELECT rowid FROM \"%1\" WHERE %2")
                              .arg(sqlTable_, filterExpr_.sqlCondition(columns_[filterColumn_])));
    select.bind(1, filterExpr_.operand());
    while (select.step())
        view_.push_back(select.int64(0));
    std::sort(view_.begin(), view_.end());
}

void Table::close()
{
    if (!active())
        return;
    // Closing drops an unposted record, as leaving without saving does.
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    if (inBatch_) {
        inBatch_ = false;
        try {
            db_.exec("ROLLBACK;");
        } catch (const Error&) {
            // Closing the connection rolls back all the same.
        }
    }
    forgetStatements();
    forgetCachedRows();
    db_.close();
    all_.clear();
    view_.clear();
    pos_ = -1;
    bof_ = eof_ = true;
    state_ = TableState::Inactive;
    notifyState();
}

void Table::requireActive() const
{
    if (!active())
        throw Error(QStringLiteral("The table '%1' is not open.").arg(tableName_));
}

// ---- filter --------------------------------------------------------------------------------

void Table::setFilter(const QString& expression)
{
    FilterExpression parsed = FilterExpression::parse(expression);
    filterText_ = expression;
    filterExpr_ = std::move(parsed);
    if (active() && filtered_)
        refilter();
}

void Table::setFiltered(bool filtered)
{
    if (filtered_ == filtered)
        return;
    filtered_ = filtered;
    if (active())
        refilter();
}

void Table::refilter()
{
    checkBrowseMode();
    applyFilter();
    forgetCachedRows();
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    notifyData(QString());
}

// ---- counting and moving -------------------------------------------------------------------

int Table::recordCount() const
{
    requireActive();
    return int(rows().size());
}

bool Table::isEmpty() const
{
    requireActive();
    return state_ != TableState::Insert && rows().empty();
}

void Table::setPosition(qsizetype index)
{
    pos_ = index;
}

void Table::first()
{
    requireActive();
    checkBrowseMode();
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    notifyData(QString());
}

void Table::last()
{
    requireActive();
    checkBrowseMode();
    setPosition(qsizetype(rows().size()) - 1);
    eof_ = true;
    bof_ = rows().empty();
    notifyData(QString());
}

void Table::next()
{
    requireActive();
    checkBrowseMode();
    if (pos_ + 1 < qsizetype(rows().size())) {
        setPosition(pos_ + 1);
        bof_ = eof_ = false;
        notifyData(QString());
    } else {
        eof_ = true;
    }
}

void Table::prior()
{
    requireActive();
    checkBrowseMode();
    if (pos_ > 0) {
        setPosition(pos_ - 1);
        bof_ = eof_ = false;
        notifyData(QString());
    } else {
        bof_ = true;
    }
}

int Table::recNo() const
{
    if (!active() || state_ == TableState::Insert || pos_ < 0)
        return 0;
    const qint64 key = rows()[size_t(pos_)];
    return int(std::lower_bound(all_.begin(), all_.end(), key) - all_.begin()) + 1;
}

void Table::setRecNo(int recNo)
{
    requireActive();
    // A pending record is settled first: its post can change the numbers and the filter's view.
    checkBrowseMode();
    if (recNo < 1 || size_t(recNo) > all_.size())
        throw Error(
            QStringLiteral("The table '%1' has no record number %2.").arg(tableName_).arg(recNo));
    const qint64 key = all_[size_t(recNo - 1)];
    const auto& visible = rows();
    const auto it = std::lower_bound(visible.begin(), visible.end(), key);
    if (it == visible.end() || *it != key)
        throw Error(QStringLiteral("Record number %2 of the table '%1' does not pass its filter.")
                        .arg(tableName_)
                        .arg(recNo));
    setPosition(it - visible.begin());
    bof_ = eof_ = false;
    notifyData(QString());
}

bool Table::findKey(qint64 key)
{
    requireActive();
    if (keyColumn_ < 0)
        throw Error(QStringLiteral("The table '%1' has no key.").arg(tableName_));
    checkBrowseMode();
    const auto& visible = rows();
    const auto it = std::lower_bound(visible.begin(), visible.end(), key);
    if (it == visible.end() || *it != key)
        return false;
    setPosition(it - visible.begin());
    bof_ = eof_ = false;
    notifyData(QString());
    return true;
}

QList<qint64> Table::keys() const
{
    requireActive();
    return QList<qint64>(rows().begin(), rows().end());
}

// ---- changing records ----------------------------------------------------------------------

void Table::notifyState()
{
    if (controlsDisabled_ == 0)
        emit stateChanged();
}

void Table::notifyData(const QString& field)
{
    if (controlsDisabled_ == 0)
        emit dataChanged(field);
}

void Table::disableControls()
{
    ++controlsDisabled_;
}

void Table::enableControls()
{
    if (controlsDisabled_ > 0 && --controlsDisabled_ == 0 && active())
        notifyData(QString());
}

void Table::setState(TableState state)
{
    if (state_ == state)
        return;
    state_ = state;
    notifyState();
}

void Table::checkBrowseMode()
{
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    updateRecord();
    if (modified_)
        post();
    else
        cancel();
}

void Table::updateRecord()
{
    for (DataSource* source : std::as_const(sources_))
        source->updateRecord();
}

void Table::append()
{
    requireActive();
    checkBrowseMode();
    buffer_.assign(size_t(columns_.size()), QVariant());
    changed_.assign(size_t(columns_.size()), false);
    modified_ = false;
    bof_ = eof_ = false;
    setState(TableState::Insert);
    notifyData(QString());
}

void Table::insert()
{
    append();
} // records take their place by key when they are posted

void Table::edit()
{
    requireActive();
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return;
    if (rows().empty()) {
        append();
        return;
    }
    buffer_ = currentRow();
    changed_.assign(size_t(columns_.size()), false);
    modified_ = false;
    setState(TableState::Edit);
    notifyData(QString());
}

void Table::post()
{
    requireActive();
    updateRecord();
    if (state_ == TableState::Insert) {
        const qint64 key = insertRow();
        if (all_.empty() || key > all_.back())
            all_.push_back(key);
        else
            insertSorted(all_, key);
        if (filtering() && passes(buffer_)) {
            insertSorted(view_, key);
        }
        const auto& visible = rows();
        const auto it = std::lower_bound(visible.begin(), visible.end(), key);
        if (it != visible.end() && *it == key)
            setPosition(it - visible.begin());
        else
            setPosition(std::min(pos_, qsizetype(visible.size()) - 1));
    } else if (state_ == TableState::Edit) {
        const qint64 key = rows()[size_t(pos_)];
        if (modified_)
            updateRow();
        if (filtering() && !passes(buffer_)) {
            eraseSorted(view_, key);
            setPosition(std::min(pos_, qsizetype(view_.size()) - 1));
        }
    } else {
        return;
    }
    forgetCachedRows();
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    bof_ = eof_ = rows().empty();
    setState(TableState::Browse);
    notifyData(QString());
}

void Table::cancel()
{
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    bof_ = eof_ = rows().empty();
    setState(TableState::Browse);
    notifyData(QString());
}

void Table::deleteRecord()
{
    requireActive();
    if (state_ == TableState::Insert) {
        cancel();
        return;
    }
    if (pos_ < 0)
        throw Error(QStringLiteral("The table '%1' has no record to delete.").arg(tableName_));
    const qint64 key = rows()[size_t(pos_)];
    reopenIfReadOnly();
    {
        Statement& remove =
            statement(QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(sqlTable_));
        ResetOnExit reset{remove};
        remove.bind(1, key);
        remove.run();
    }
    removeKey(key);
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    setPosition(std::min(pos_, qsizetype(rows().size()) - 1));
    bof_ = eof_ = rows().empty();
    forgetCachedRows();
    setState(TableState::Browse);
    notifyData(QString());
}

void Table::removeKey(qint64 key)
{
    eraseSorted(all_, key);
    eraseSorted(view_, key);
}

void Table::emptyTable()
{
    if (!active()) {
        // Opened exclusively just for the time of the operation.
        Database db(session().pathOf(tableName_), tableName_, session().tableKey(),
                    Database::Mode::OpenExisting, locks_);
        db.lockExclusively();
        std::swap(db, db_);
        try {
            readLayout();
        } catch (...) {
            std::swap(db, db_);
            throw;
        }
        std::swap(db, db_);
        db.exec(QStringLiteral("DELETE FROM \"%1\";").arg(sqlTable_).toUtf8().constData());
        return;
    }
    if (!exclusive_)
        throw Error(QStringLiteral("The table '%1' must be opened exclusively to be emptied.")
                        .arg(tableName_));
    cancel();
    db_.exec(QStringLiteral("DELETE FROM \"%1\";").arg(sqlTable_).toUtf8().constData());
    all_.clear();
    view_.clear();
    forgetCachedRows();
    setPosition(-1);
    bof_ = eof_ = true;
    notifyData(QString());
}

// A connection opened while the file could not be written stays read-only; once the cause is gone
// the next write gets a connection that can write, so the user can save the record again.
void Table::reopenIfReadOnly()
{
    if (!db_.readOnly() || inBatch_)
        return;
    Database db(session().pathOf(tableName_), tableName_, session().tableKey(),
                Database::Mode::OpenExisting, locks_);
    if (db.readOnly())
        return; // still read-only: the write reports it
    if (exclusive_)
        db.lockExclusively();
    forgetStatements();
    db_ = std::move(db);
}

qint64 Table::insertRow()
{
    reopenIfReadOnly();
    // An unset key is left to the table, which numbers the record itself.
    const bool ownKey = keyColumn_ < 0 || !buffer_[size_t(keyColumn_)].isNull();
    Statement& insert =
        ownKey ? prepared(insert_, insertSql_) : prepared(insertNoKey_, insertNoKeySql_);
    ResetOnExit reset{insert};
    int index = 1;
    for (int c = 0; c < columns_.size(); ++c) {
        if (c != keyColumn_ || ownKey)
            insert.bind(index++, buffer_[size_t(c)]);
    }
    std::unique_ptr<Transaction> transaction;
    if (!inBatch_)
        transaction = std::make_unique<Transaction>(db_);
    insert.run();
    const qint64 key = db_.lastInsertRowId();
    if (transaction)
        transaction->commit();
    if (keyColumn_ >= 0)
        buffer_[size_t(keyColumn_)] = QVariant(key);
    return key;
}

void Table::updateRow()
{
    reopenIfReadOnly();
    QStringList assignments;
    QList<int> bound;
    for (int c = 0; c < columns_.size(); ++c) {
        if (!changed_[size_t(c)])
            continue;
        assignments << QStringLiteral("\"%1\" = ?").arg(columns_[c]);
        bound << c;
    }
    if (bound.isEmpty())
        return;
    Statement& update = statement(QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?")
                                      .arg(sqlTable_, assignments.join(QLatin1Char(','))));
    ResetOnExit reset{update};
    for (int i = 0; i < bound.size(); ++i)
        update.bind(i + 1, buffer_[size_t(bound[i])]);
    update.bind(int(bound.size()) + 1, rows()[size_t(pos_)]);
    std::unique_ptr<Transaction> transaction;
    if (!inBatch_)
        transaction = std::make_unique<Transaction>(db_);
    update.run();
    if (transaction)
        transaction->commit();
}

void Table::setCacheSize(qint64 kib)
{
    requireActive();
    const QByteArray pragma = kib > 0 ? "PRAGMA cache_size = -" + QByteArray::number(kib) + ";"
                                      : QByteArrayLiteral("PRAGMA cache_size = -2000;");
    db_.exec(pragma.constData());
    if (kib <= 0)
        db_.exec("PRAGMA shrink_memory;");
}

qint64 Table::fileSize() const
{
    return QFileInfo(session().pathOf(tableName_)).size();
}

void Table::beginBatch()
{
    requireActive();
    if (inBatch_)
        return;
    db_.exec("BEGIN IMMEDIATE;");
    inBatch_ = true;
}

void Table::commitBatch()
{
    if (!inBatch_)
        return;
    db_.exec("COMMIT;");
    inBatch_ = false;
}

void Table::rollbackBatch()
{
    if (!inBatch_)
        return;
    inBatch_ = false;
    cancel();
    try {
        db_.exec("ROLLBACK;");
    } catch (const Error&) {
        // The engine rolls a transaction back by itself after some failures; then there is
        // nothing left to roll back, and the original error is the one to report.
    }
    // What the rolled-back posts added to the order is gone again.
    loadOrder();
    applyFilter();
    forgetCachedRows();
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    notifyData(QString());
}

// ---- fields --------------------------------------------------------------------------------

int Table::columnOf(const QString& field) const
{
    // Callers mostly spell a field as the table does; only other spellings pay for lower-casing.
    const auto exact = columnIndex_.constFind(field);
    if (exact != columnIndex_.constEnd())
        return exact.value();
    return columnIndex_.value(field.toLower(), -1);
}

int Table::checkedColumnOf(const QString& field) const
{
    const int column = columnOf(field);
    if (column < 0)
        throw Error(QStringLiteral("The table '%1' has no field '%2'.").arg(tableName_, field));
    return column;
}

bool Table::hasField(const QString& name) const
{
    return columnOf(name) >= 0;
}

int Table::fieldIndex(const QString& field) const
{
    return checkedColumnOf(field);
}

void Table::checkIndex(int column) const
{
    if (column < 0 || column >= columns_.size())
        throw Error(
            QStringLiteral("The table '%1' has no field number %2.").arg(tableName_).arg(column));
}

bool Table::passes(const Row& row) const
{
    return !filtering() || filterExpr_.accepts(row[size_t(filterColumn_)]);
}

QVariant Table::value(const QString& field) const
{
    requireActive();
    return value(checkedColumnOf(field));
}

QVariant Table::value(int column) const
{
    requireActive();
    checkIndex(column);
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return buffer_[size_t(column)];
    if (pos_ < 0)
        return {};
    return currentRow()[size_t(column)];
}

qint32 Table::asInteger(const QString& field) const
{
    const QVariant v = value(field);
    return v.isNull() ? 0 : qint32(v.toLongLong());
}

bool Table::asBoolean(const QString& field) const
{
    const QVariant v = value(field);
    return !v.isNull() && v.toLongLong() != 0;
}

QString Table::asString(const QString& field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

void Table::setValue(const QString& field, const QVariant& value)
{
    requireActive();
    setValue(checkedColumnOf(field), value);
}

void Table::setValue(int column, const QVariant& value)
{
    requireActive();
    checkIndex(column);
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        throw Error(QStringLiteral("The table '%1' is not being edited.").arg(tableName_));
    buffer_[size_t(column)] = normalized(value);
    changed_[size_t(column)] = true;
    modified_ = true;
    notifyData(columns_[column]);
}

// ---- reading rows --------------------------------------------------------------------------

const Table::Row& Table::currentRow() const
{
    return fetch(pos_);
}

const Table::Row& Table::fetch(qsizetype index) const
{
    const qint64 key = rows()[size_t(index)];
    if (const auto hit = cache_.find(key); hit != cache_.end()) {
        lastFetched_ = index;
        return hit->second;
    }
    if (cache_.size() >= kCacheLimit)
        cache_.clear();

    // Walking forward reads a block of the following records at once; any other access reads
    // just the one record.
    const bool walking = index == lastFetched_ + 1;
    Statement& select =
        walking ? prepared(selectBlock_, selectBlockSql_) : prepared(selectOne_, selectOneSql_);
    ResetOnExit reset{select};
    select.bind(1, key);
    if (walking && filtering())
        select.bind(2, filterExpr_.operand());
    const int count = int(columns_.size());
    while (select.step()) {
        Row row(static_cast<size_t>(count));
        for (int c = 0; c < count; ++c)
            row[size_t(c)] = select.value(c + 1);
        cache_.insert_or_assign(select.int64(0), std::move(row));
    }
    lastFetched_ = index;
    const auto found = cache_.find(key);
    if (found == cache_.end())
        throw Error(QStringLiteral("A record of the table '%1' was removed by another program.")
                        .arg(tableName_));
    return found->second;
}

Statement& Table::prepared(std::shared_ptr<Statement>& slot, const QString& sql) const
{
    if (!slot)
        slot = std::make_shared<Statement>(db_, sql);
    return *slot;
}

Statement& Table::statement(const QString& sql) const
{
    auto it = statements_.find(sql);
    if (it == statements_.end())
        it = statements_.insert(sql, std::make_shared<Statement>(db_, sql));
    return *it.value();
}

void Table::forgetStatements()
{
    statements_.clear();
    selectOne_.reset();
    selectBlock_.reset();
    insert_.reset();
    insertNoKey_.reset();
}

void Table::forgetCachedRows() const
{
    cache_.clear();
    lastFetched_ = -2;
}

// ---- data sources --------------------------------------------------------------------------

void Table::attachSource(DataSource* source)
{
    if (!sources_.contains(source))
        sources_.append(source);
}

void Table::detachSource(DataSource* source)
{
    sources_.removeAll(source);
}

} // namespace dorvale::data
