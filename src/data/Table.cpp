#include "Table.h"

#include "DataSource.h"
#include "Error.h"
#include "Session.h"

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
    : QObject(parent), sessionName_(std::move(sessionName)), tableName_(std::move(tableName))
{
}

Session& Table::session() const { return Session::named(sessionName_); }

Table::~Table()
{
    for (DataSource* source : std::as_const(sources_))
        source->tableDestroyed();
    statements_.clear();
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
        statements_.clear();
        db_.close();
        all_.clear();
        view_.clear();
        throw;
    }
    state_ = TableState::Browse;
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    emit stateChanged();
    emit dataChanged(QString());
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
        const bool integerKey = info.int64(5) == 1 &&
                                info.text(2).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        if (integerKey) {
            keyField_ = name;
            keyColumn_ = int(columns_.size());
        }
        columnIndex_.insert(name.toLower(), int(columns_.size()));
        columns_ << name;
    }
}

void Table::loadOrder()
{
    all_.clear();
    Statement order(db_, QStringLiteral("SELECT rowid FROM \"%1\" ORDER BY rowid").arg(sqlTable_));
    while (order.step())
        all_.push_back(order.int64(0));
}

bool Table::filtering() const { return filtered_ && !filterExpr_.isEmpty(); }

void Table::applyFilter()
{
    view_.clear();
    filterColumn_ = -1;
    if (!filtering())
        return;
    filterColumn_ = checkedColumnOf(filterExpr_.field());
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
    statements_.clear();
    forgetCachedRows();
    db_.close();
    all_.clear();
    view_.clear();
    pos_ = -1;
    bof_ = eof_ = true;
    state_ = TableState::Inactive;
    emit stateChanged();
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
    emit dataChanged(QString());
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

void Table::setPosition(qsizetype index) { pos_ = index; }

void Table::first()
{
    requireActive();
    checkBrowseMode();
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    emit dataChanged(QString());
}

void Table::last()
{
    requireActive();
    checkBrowseMode();
    setPosition(qsizetype(rows().size()) - 1);
    eof_ = true;
    bof_ = rows().empty();
    emit dataChanged(QString());
}

void Table::next()
{
    requireActive();
    checkBrowseMode();
    if (pos_ + 1 < qsizetype(rows().size())) {
        setPosition(pos_ + 1);
        bof_ = eof_ = false;
        emit dataChanged(QString());
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
        emit dataChanged(QString());
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
    if (recNo < 1 || size_t(recNo) > all_.size())
        throw Error(QStringLiteral("The table '%1' has no record number %2.")
                        .arg(tableName_)
                        .arg(recNo));
    const qint64 key = all_[size_t(recNo - 1)];
    const auto& visible = rows();
    const auto it = std::lower_bound(visible.begin(), visible.end(), key);
    if (it == visible.end() || *it != key)
        throw Error(QStringLiteral("Record number %2 of the table '%1' does not pass its filter.")
                        .arg(tableName_)
                        .arg(recNo));
    checkBrowseMode();
    setPosition(it - visible.begin());
    bof_ = eof_ = false;
    emit dataChanged(QString());
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
    emit dataChanged(QString());
    return true;
}

// ---- changing records ----------------------------------------------------------------------

void Table::setState(TableState state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged();
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
    emit dataChanged(QString());
}

void Table::insert() { append(); } // records take their place by key when they are posted

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
    emit dataChanged(QString());
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
    emit dataChanged(QString());
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
    emit dataChanged(QString());
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
    {
        Statement& remove = statement(QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(sqlTable_));
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
    emit dataChanged(QString());
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
    emit dataChanged(QString());
}

qint64 Table::insertRow()
{
    QStringList names;
    QStringList marks;
    QList<int> bound;
    for (int c = 0; c < columns_.size(); ++c) {
        // An unset key is left to the table, which numbers the record itself.
        if (c == keyColumn_ && buffer_[size_t(c)].isNull())
            continue;
        names << QLatin1Char('"') + columns_[c] + QLatin1Char('"');
        marks << QStringLiteral("?");
        bound << c;
    }
    Statement& insert = statement(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                      .arg(sqlTable_, names.join(QLatin1Char(',')),
                                           marks.join(QLatin1Char(','))));
    ResetOnExit reset{insert};
    for (int i = 0; i < bound.size(); ++i)
        insert.bind(i + 1, buffer_[size_t(bound[i])]);
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
    db_.exec("ROLLBACK;");
    // What the rolled-back posts added to the order is gone again.
    loadOrder();
    applyFilter();
    forgetCachedRows();
    setPosition(rows().empty() ? -1 : 0);
    bof_ = true;
    eof_ = rows().empty();
    emit dataChanged(QString());
}

// ---- fields --------------------------------------------------------------------------------

int Table::columnOf(const QString& field) const
{
    return columnIndex_.value(field.toLower(), -1);
}

int Table::checkedColumnOf(const QString& field) const
{
    const int column = columnOf(field);
    if (column < 0)
        throw Error(QStringLiteral("The table '%1' has no field '%2'.").arg(tableName_, field));
    return column;
}

bool Table::hasField(const QString& name) const { return columnOf(name) >= 0; }

bool Table::passes(const Row& row) const
{
    return !filtering() || filterExpr_.accepts(row[size_t(filterColumn_)]);
}

QVariant Table::value(const QString& field) const
{
    requireActive();
    const int column = checkedColumnOf(field);
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
    const int column = checkedColumnOf(field);
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        throw Error(QStringLiteral("The table '%1' is not being edited.").arg(tableName_));
    buffer_[size_t(column)] = normalized(value);
    changed_[size_t(column)] = true;
    modified_ = true;
    emit dataChanged(columns_[column]);
}

// ---- reading rows --------------------------------------------------------------------------

const Table::Row& Table::currentRow() const { return fetch(pos_); }

const Table::Row& Table::fetch(qsizetype index) const
{
    const qint64 key = rows()[size_t(index)];
    if (const auto hit = cache_.find(key); hit != cache_.end()) {
        lastFetched_ = index;
        return hit->second;
    }
    if (cache_.size() >= kCacheLimit)
        cache_.clear();

    QString columnList;
    for (const QString& column : columns_)
        columnList += QStringLiteral(", \"%1\"").arg(column);
    // Walking forward reads a block of the following records at once; any other access reads
    // just the one record.
    const bool walking = index == lastFetched_ + 1;
    QString sql;
    if (walking) {
        sql = QStringLiteral("SELECT rowid%1 FROM \"%2\" WHERE rowid >= ?").arg(columnList, sqlTable_);
        if (filtering())
            sql += QStringLiteral(" AND ") + filterExpr_.sqlCondition(columns_[filterColumn_]);
        sql += QStringLiteral(" ORDER BY rowid LIMIT %1").arg(kBlockRows);
    } else {
        sql = QStringLiteral("SELECT rowid%1 FROM \"%2\" WHERE rowid = ?").arg(columnList, sqlTable_);
    }
    Statement& select = statement(sql);
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

Statement& Table::statement(const QString& sql) const
{
    auto it = statements_.find(sql);
    if (it == statements_.end())
        it = statements_.insert(sql, std::make_shared<Statement>(db_, sql));
    return *it.value();
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

void Table::detachSource(DataSource* source) { sources_.removeAll(source); }

} // namespace dorvale::data
