#pragma once

#include "data/DataSource.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVariant>
#include <QWidget>
#include <array>
#include <functional>

namespace dorvale::data {
class Table;
}

namespace dorvale::platform {

// Binds a control to one field of the table behind a data source. The control shows the field of
// the current record and follows every change of the record; what the user enters stays in the
// control as a pending change until the table asks for it (before a post, and when the cursor
// moves). With the source's automatic editing the user's first change puts a browsing table into
// editing; on an empty table that starts a new record.
class FieldDataLink : public QObject, public data::DataLink {
    Q_OBJECT

public:
    // show puts the field's value into the control, store writes the control's value into the
    // record (through setFieldValue()).
    FieldDataLink(QObject* owner, std::function<void()> show, std::function<void()> store);
    ~FieldDataLink() override;

    void setDataSource(data::DataSource* source);
    data::DataSource* dataSource() const { return source_; }
    void setFieldName(const QString& name);
    const QString& fieldName() const { return field_; }

    // The open table behind the source; null when there is none.
    data::Table* table() const;
    // The field of the current record; empty without an open table or a record.
    QVariant fieldValue() const;
    void setFieldValue(const QVariant& value);

    // The user changed the control. True when the change is kept as pending; false when the
    // table cannot be edited, and the control then shows the field again.
    bool userChanged();
    // Shows the field again and forgets a pending change.
    void reload();

    void updateData() override;

private:
    void dataChange(const QString& field);

    std::function<void()> show_;
    std::function<void()> store_;
    QPointer<data::DataSource> source_;
    QString field_;
    QList<QMetaObject::Connection> connections_;
    bool changing_ = false;
};

// A data-aware memo: shows a memo field of the current record and puts the record into editing
// as the user types.
class TDBMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TDBMemo(QWidget* parent = nullptr);

    void setDataSource(data::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& field) { link_.setFieldName(field); }
    FieldDataLink& dataLink() { return link_; }

    // The text as it is stored in the field.
    QString storedText() const;

private:
    void showField();

    FieldDataLink link_;
    bool loading_ = false;
};

// A data-aware one-line edit.
class TDBEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TDBEdit(QWidget* parent = nullptr);

    void setDataSource(data::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& field) { link_.setFieldName(field); }
    FieldDataLink& dataLink() { return link_; }

private:
    FieldDataLink link_;
};

// A data-aware check box for a boolean field: ticked stores true, clear stores false; an absent
// value shows clear.
class TDBCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TDBCheckBox(const QString& caption = QString(), QWidget* parent = nullptr);

    void setDataSource(data::DataSource* source) { link_.setDataSource(source); }
    void setDataField(const QString& field) { link_.setFieldName(field); }
    FieldDataLink& dataLink() { return link_; }

private:
    FieldDataLink link_;
};

// Buttons that move the table behind a data source to its first, prior, next and last record.
// Moving away from a record being edited posts it (or drops it when nothing was changed).
class TDBNavigator : public QWidget {
    Q_OBJECT

public:
    enum Button { First, Prior, Next, Last };

    explicit TDBNavigator(QWidget* parent = nullptr);

    void setDataSource(data::DataSource* source);
    data::DataSource* dataSource() const { return source_; }
    QToolButton* button(Button which) const { return buttons_[size_t(which)]; }

private:
    void move(Button which);
    void updateButtons();

    QPointer<data::DataSource> source_;
    QList<QMetaObject::Connection> connections_;
    std::array<QToolButton*, 4> buttons_{};
};

// A data-aware list of the records of a keyed table: one entry per record, labelled with its
// key, following the current record; clicking an entry (or moving to it with the keyboard)
// makes its record current.
class TfcDBTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit TfcDBTreeView(QWidget* parent = nullptr);

    void setDataSource(data::DataSource* source);
    data::DataSource* dataSource() const { return source_; }
    // The picture every entry shows.
    void setEntryIcon(const QIcon& icon);
    // The entry of a key, or null.
    QTreeWidgetItem* entryOf(qint64 key) const;

private:
    void refresh();
    void syncEntries(const QList<qint64>& keys);
    void entryChosen(QTreeWidgetItem* item);

    QPointer<data::DataSource> source_;
    QList<QMetaObject::Connection> connections_;
    QIcon icon_;
    bool syncing_ = false;
};

} // namespace dorvale::platform
