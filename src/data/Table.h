#pragma once

#include "Filter.h"
#include "SqlCipher.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <unordered_map>
#include <vector>

namespace dorvale::data {

class DataSource;
class Session;

enum class TableState { Inactive, Browse, Edit, Insert };

// A table cursor over one encrypted table file: the operations the windows rely on, with the
// record order and record numbers of the file and change notifications for its data sources.
//
// Record order is the file's row order (the key Q_ID where the table has one, otherwise the
// order of appending). Record numbers count over the unfiltered order; navigation and
// recordCount() see only the records that pass the filter.
class Table : public QObject {
    Q_OBJECT

public:
    // The session is looked up by its name whenever the table needs it.
    Table(QString sessionName, QString tableName, QObject* parent = nullptr);
    ~Table() override;

    const QString& tableName() const { return tableName_; }
    const QString& sessionName() const { return sessionName_; }
    Session& session() const;

    // Take effect at the next opening.
    void setExclusive(bool exclusive) { exclusive_ = exclusive; }
    bool exclusive() const { return exclusive_; }
    void setLockRetryCount(int count) { locks_.retries = count; }
    int lockRetryCount() const { return locks_.retries; }
    void setLockWaitTime(int ms) { locks_.waitMs = ms; }
    int lockWaitTime() const { return locks_.waitMs; }

    // Opening an open table or closing a closed one does nothing.
    void open();
    void close();
    bool active() const { return state_ != TableState::Inactive; }
    TableState state() const { return state_; }

    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool filtered);
    bool filtered() const { return filtered_; }

    int recordCount() const;
    // True when no record passes the filter; a record being inserted makes the table non-empty.
    bool isEmpty() const;

    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    // 0 when there is no current record.
    int recNo() const;
    void setRecNo(int recNo);
    // Positions on the record whose key equals key; false (and no move) when there is none.
    bool findKey(qint64 key);
    const QString& keyField() const { return keyField_; }
    // The keys (row ids) of the records that pass the filter, in record order, read without
    // moving the cursor: for controls that list every record.
    QList<qint64> keys() const;

    // Removes every record: on a closed table by opening it exclusively for the operation, on an
    // open table only when it was opened exclusively.
    void emptyTable();

    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    bool modified() const { return modified_; }

    // Keeps up to kib KiB of the file's pages in memory while the table is open (0: the engine's
    // default). Reading many records in no particular order then decrypts each page once.
    void setCacheSize(qint64 kib);
    // The size of the table file in bytes.
    qint64 fileSize() const;

    // Many posts in one transaction: all of them are written by commitBatch() or none.
    void beginBatch();
    void commitBatch();
    void rollbackBatch();

    bool hasField(const QString& name) const;
    // The position of a field among the table's fields, for code that reads or writes the same
    // fields of many records; throws when the table has no such field.
    int fieldIndex(const QString& field) const;
    QVariant value(int fieldIndex) const;
    void setValue(int fieldIndex, const QVariant& value);
    const QStringList& fieldNames() const { return columns_; }
    QVariant value(const QString& field) const;
    qint32 asInteger(const QString& field) const;
    bool asBoolean(const QString& field) const;
    QString asString(const QString& field) const;
    void setValue(const QString& field, const QVariant& value);

    // While controls are disabled (the calls nest) the table tells its data sources nothing;
    // enabling them again reports one change of the whole set. For work on many records that no
    // window needs to follow record by record.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return controlsDisabled_ > 0; }

    // Data sources on this table register themselves so that bound controls can write their
    // pending edits before a post.
    void attachSource(DataSource* source);
    void detachSource(DataSource* source);

signals:
    // The two notifications below are not sent while controls are disabled.
    // After the table enters or leaves browsing, editing or inserting (also opening, closing).
    void stateChanged();
    // After every move to another record and every change of the set; field is empty then.
    // After a change of one field of the current record, field names it.
    void dataChanged(const QString& field);

private:
    using Row = std::vector<QVariant>;

    bool filtering() const;
    const std::vector<qint64>& rows() const { return filtering() ? view_ : all_; }
    void refilter();
    int columnOf(const QString& field) const;
    int checkedColumnOf(const QString& field) const;
    void checkIndex(int column) const;
    void requireActive() const;
    void openDatabase();
    void readLayout();
    void loadOrder();
    void applyFilter();
    bool passes(const Row& row) const;
    void setPosition(qsizetype index);
    void moved();
    void checkBrowseMode();
    void updateRecord();
    void setState(TableState state);
    void notifyState();
    void notifyData(const QString& field);
    const Row& currentRow() const;
    const Row& fetch(qsizetype index) const;
    Statement& statement(const QString& sql) const;
    Statement& prepared(std::shared_ptr<Statement>& slot, const QString& sql) const;
    void forgetStatements();
    void forgetCachedRows() const;
    void reopenIfReadOnly();
    qint64 insertRow();
    void updateRow();
    void removeKey(qint64 key);

    QString sessionName_;
    QString tableName_;
    bool exclusive_ = false;
    LockPolicy locks_;

    Database db_;
    QString sqlTable_;
    QStringList columns_;
    QHash<QString, int> columnIndex_; // lower-case name -> column
    QString keyField_;
    int keyColumn_ = -1;

    QString filterText_;
    FilterExpression filterExpr_;
    int filterColumn_ = -1;
    bool filtered_ = false;

    std::vector<qint64> all_;  // row ids of every record, in record order
    std::vector<qint64> view_; // row ids passing the filter, in record order
    qsizetype pos_ = -1;
    bool eof_ = true;
    bool bof_ = true;

    TableState state_ = TableState::Inactive;
    Row buffer_; // the record being edited or inserted
    std::vector<bool> changed_;
    bool modified_ = false;
    bool inBatch_ = false;
    int controlsDisabled_ = 0;

    mutable std::unordered_map<qint64, Row> cache_;
    mutable qsizetype lastFetched_ = -2;
    mutable QHash<QString, std::shared_ptr<Statement>> statements_;
    QString selectOneSql_;
    QString selectBlockSql_;
    QString insertSql_;
    QString insertNoKeySql_;
    mutable std::shared_ptr<Statement> selectOne_;
    mutable std::shared_ptr<Statement> selectBlock_;
    mutable std::shared_ptr<Statement> insert_;
    mutable std::shared_ptr<Statement> insertNoKey_;

    QList<DataSource*> sources_;
};

} // namespace dorvale::data
