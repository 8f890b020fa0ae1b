#include "DataSource.h"

#include "Table.h"

namespace dorvale::data {

DataSource::DataSource(QObject* parent)
    : QObject(parent)
{}

DataSource::~DataSource()
{
    setDataSet(nullptr);
}

void DataSource::setDataSet(Table* table)
{
    if (table_ == table)
        return;
    if (table_) {
        for (const auto& connection : std::as_const(connections_))
            disconnect(connection);
        connections_.clear();
        table_->detachSource(this);
    }
    table_ = table;
    if (table_) {
        table_->attachSource(this);
        connections_ << connect(table_, &Table::dataChanged, this, &DataSource::dataChange);
        connections_ << connect(table_, &Table::stateChanged, this, &DataSource::stateChange);
    }
}

bool DataSource::edit()
{
    if (!table_ || !table_->active())
        return false;
    if (table_->state() == TableState::Browse && autoEdit_)
        table_->edit();
    return table_->state() == TableState::Edit || table_->state() == TableState::Insert;
}

void DataSource::addLink(DataLink* link)
{
    if (!links_.contains(link))
        links_.append(link);
}

void DataSource::removeLink(DataLink* link)
{
    links_.removeAll(link);
}

void DataSource::updateRecord()
{
    for (DataLink* link : std::as_const(links_)) {
        if (link->modified()) {
            link->updateData();
            link->setModified(false);
        }
    }
}

void DataSource::tableDestroyed()
{
    connections_.clear();
    table_ = nullptr;
}

} // namespace dorvale::data
