#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace dorvale::data {

class Table;

// A control bound to a field through a data source. It holds what the user typed until the
// table asks for it, just before a post.
class DataLink {
public:
    virtual ~DataLink() = default;
    // Writes the control's pending value into the record being edited.
    virtual void updateData() = 0;
    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

private:
    bool modified_ = false;
};

// Connects a table with the controls and windows that observe it. Relays the table's
// notifications and, with automatic editing, lets a bound control put the table into editing.
class DataSource : public QObject {
    Q_OBJECT

public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    void setDataSet(Table* table);
    Table* dataSet() const { return table_; }

    void setAutoEdit(bool autoEdit) { autoEdit_ = autoEdit; }
    bool autoEdit() const { return autoEdit_; }

    // Called by a bound control that is about to change its field: with automatic editing a
    // browsing table goes into editing (an empty one starts a new record). True when the table
    // is in editing or inserting afterwards.
    bool edit();

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

    // The table calls these.
    void updateRecord();
    void tableDestroyed();

signals:
    void dataChange(const QString& field);
    void stateChange();

private:
    Table* table_ = nullptr;
    bool autoEdit_ = true;
    QList<DataLink*> links_;
    QList<QMetaObject::Connection> connections_;
};

} // namespace dorvale::data
