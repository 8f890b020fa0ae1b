#include "DBControls.h"

#include "ErrorBox.h"
#include "data/Table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTextBlock>

#include <QToolButton>
#include <functional>
#include <limits>

namespace dorvale::platform {

namespace {

data::Table* openTable(const data::DataSource* source)
{
    if (!source || !source->dataSet() || !source->dataSet()->active())
        return nullptr;
    return source->dataSet();
}

// Follows whole-record changes and state changes of a source: refresh runs on each of them.
// The connections replace those of the source followed before.
void followSource(QObject* receiver, data::DataSource* source,
                  QList<QMetaObject::Connection>& connections, const std::function<void()>& refresh)
{
    for (const auto& connection : std::as_const(connections))
        QObject::disconnect(connection);
    connections.clear();
    if (!source)
        return;
    connections << QObject::connect(source, &data::DataSource::dataChange, receiver,
                                    [refresh](const QString& field) {
                                        if (field.isEmpty())
                                            refresh();
                                    });
    connections << QObject::connect(source, &data::DataSource::stateChange, receiver, refresh);
}

bool isEditing(const data::Table& table)
{
    return table.state() == data::TableState::Edit || table.state() == data::TableState::Insert;
}

// The navigator's glyphs: a triangle pointing the way of the move, with a bar for first and last.
QIcon navigatorGlyph(TDBNavigator::Button which)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    const bool back = which == TDBNavigator::First || which == TDBNavigator::Prior;
    const bool bar = which == TDBNavigator::First || which == TDBNavigator::Last;
    QPolygonF triangle;
    if (back)
        triangle << QPointF(11, 3) << QPointF(11, 13) << QPointF(5, 8);
    else
        triangle << QPointF(5, 3) << QPointF(5, 13) << QPointF(11, 8);
    p.drawPolygon(triangle);
    if (bar)
        p.drawRect(back ? QRectF(3, 3, 2, 10) : QRectF(11, 3, 2, 10));
    p.end();
    QIcon icon(pixmap);
    // A disabled button shows its glyph greyed, as the rest of the window does.
    QPixmap grey(pixmap.size());
    grey.fill(Qt::transparent);
    QPainter g(&grey);
    g.drawPixmap(0, 0, pixmap);
    g.setCompositionMode(QPainter::CompositionMode_SourceIn);
    g.fillRect(grey.rect(), QColor(160, 160, 160));
    g.end();
    icon.addPixmap(grey, QIcon::Disabled);
    return icon;
}

} // namespace

// ---- field link ----------------------------------------------------------------------------

FieldDataLink::FieldDataLink(QObject* owner, std::function<void()> show,
                             std::function<void()> store)
    : QObject(owner)
    , show_(std::move(show))
    , store_(std::move(store))
{}

FieldDataLink::~FieldDataLink()
{
    if (source_)
        source_->removeLink(this);
}

void FieldDataLink::setDataSource(data::DataSource* source)
{
    if (source_ == source)
        return;
    for (const auto& connection : std::as_const(connections_))
        disconnect(connection);
    connections_.clear();
    if (source_)
        source_->removeLink(this);
    source_ = source;
    if (source_) {
        source_->addLink(this);
        connections_ << connect(source_, &data::DataSource::dataChange, this,
                                &FieldDataLink::dataChange);
        // A closed table shows nothing.
        connections_ << connect(source_, &data::DataSource::stateChange, this, [this] {
            if (!table())
                reload();
        });
    }
    reload();
}

void FieldDataLink::setFieldName(const QString& name)
{
    field_ = name;
    reload();
}

data::Table* FieldDataLink::table() const
{
    return openTable(source_);
}

QVariant FieldDataLink::fieldValue() const
{
    data::Table* t = table();
    if (!t || field_.isEmpty())
        return {};
    return t->value(field_);
}

void FieldDataLink::setFieldValue(const QVariant& value)
{
    if (data::Table* t = table())
        t->setValue(field_, value);
}

bool FieldDataLink::userChanged()
{
    bool editing = false;
    {
        // Entering editing reloads the record; the control must keep what was just typed.
        const QScopedValueRollback<bool> guard(changing_, true);
        guarded([&] { editing = source_ && !field_.isEmpty() && source_->edit(); });
    }
    if (!editing) {
        reload();
        return false;
    }
    setModified(true);
    return true;
}

void FieldDataLink::reload()
{
    guarded([&] {
        if (show_)
            show_();
    });
    setModified(false);
}

void FieldDataLink::updateData()
{
    if (store_)
        store_();
}

void FieldDataLink::dataChange(const QString& field)
{
    if (changing_)
        return;
    if (field.isEmpty() || field.compare(field_, Qt::CaseInsensitive) == 0)
        reload();
}

// ---- memo ----------------------------------------------------------------------------------

TDBMemo::TDBMemo(QWidget* parent)
    : QPlainTextEdit(parent)
    , link_(
          this, [this] { showField(); }, [this] { link_.setFieldValue(storedText()); })
{
    // Tab moves on to the next control, as in the other edits of a window.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            link_.userChanged();
    });
}

void TDBMemo::showField()
{
    const QVariant value = link_.fieldValue();
    const QString text = value.isNull() ? QString() : value.toString();
    if (text == storedText())
        return;
    const QScopedValueRollback<bool> guard(loading_, true);
    setPlainText(text);
}

QString TDBMemo::storedText() const
{
    // The blocks' own texts, not toPlainText(), which turns no-break spaces into blanks and
    // line separators into line breaks: a note comes back as it was typed.
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines.join(QLatin1Char('\n'));
}

// ---- line edit -----------------------------------------------------------------------------

TDBEdit::TDBEdit(QWidget* parent)
    : QLineEdit(parent)
    , link_(
          this,
          [this] {
              const QVariant value = link_.fieldValue();
              const QString shown = value.isNull() ? QString() : value.toString();
              if (shown != text())
                  setText(shown);
          },
          [this] { link_.setFieldValue(text()); })
{
    connect(this, &QLineEdit::textEdited, this, [this] { link_.userChanged(); });
}

// ---- check box -----------------------------------------------------------------------------

TDBCheckBox::TDBCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
    , link_(
          this,
          [this] {
              const QVariant value = link_.fieldValue();
              setChecked(!value.isNull() && value.toLongLong() != 0);
          },
          [this] { link_.setFieldValue(isChecked()); })
{
    connect(this, &QCheckBox::clicked, this, [this] { link_.userChanged(); });
}

// ---- navigator -----------------------------------------------------------------------------

TDBNavigator::TDBNavigator(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        Button which;
        const char* name;
        const char* hint;
    } kinds[] = {
        {First, "First", "First record"},
        {Prior, "Prior", "Prior record"},
        {Next, "Next", "Next record"},
        {Last, "Last", "Last record"},
    };
    for (const auto& kind : kinds) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(kind.name));
        b->setIcon(navigatorGlyph(kind.which));
        b->setToolTip(QLatin1String(kind.hint));
        b->setAccessibleName(QLatin1String(kind.hint));
        b->setFixedSize(25, 25);
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        const Button which = kind.which;
        connect(b, &QToolButton::clicked, this, [this, which] { move(which); });
        buttons_[size_t(kind.which)] = b;
        layout->addWidget(b);
    }
    updateButtons();
}

void TDBNavigator::setDataSource(data::DataSource* source)
{
    if (source_ == source)
        return;
    source_ = source;
    followSource(this, source_, connections_, [this] { updateButtons(); });
    updateButtons();
}

void TDBNavigator::move(Button which)
{
    guarded([&] {
        data::Table* table = openTable(source_);
        if (!table)
            return;
        switch (which) {
        case First:
            table->first();
            break;
        case Prior:
            table->prior();
            break;
        case Next:
            table->next();
            break;
        case Last:
            table->last();
            break;
        }
    });
    // A move past either end changes no record, only the end flags.
    updateButtons();
}

void TDBNavigator::updateButtons()
{
    const data::Table* table = openTable(source_);
    bool back = false;
    bool forward = false;
    if (table && (isEditing(*table) || table->recordCount() > 0)) {
        back = !table->bof();
        forward = !table->eof();
    }
    buttons_[First]->setEnabled(back);
    buttons_[Prior]->setEnabled(back);
    buttons_[Next]->setEnabled(forward);
    buttons_[Last]->setEnabled(forward);
}

// ---- tree of records -----------------------------------------------------------------------

TfcDBTreeView::TfcDBTreeView(QWidget* parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    // Mouse and keyboard both change the current entry; the tree's own changes are ignored.
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { entryChosen(current); });
}

void TfcDBTreeView::setDataSource(data::DataSource* source)
{
    if (source_ == source)
        return;
    source_ = source;
    followSource(this, source_, connections_, [this] { refresh(); });
    refresh();
}

void TfcDBTreeView::setEntryIcon(const QIcon& icon)
{
    icon_ = icon;
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setIcon(0, icon_);
}

QTreeWidgetItem* TfcDBTreeView::entryOf(qint64 key) const
{
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->data(0, Qt::UserRole).toLongLong() == key)
            return item;
    }
    return nullptr;
}

void TfcDBTreeView::refresh()
{
    const QScopedValueRollback<bool> guard(syncing_, true);
    guarded([&] {
        const data::Table* table = openTable(source_);
        syncEntries(table ? table->keys() : QList<qint64>());
        QTreeWidgetItem* current = nullptr;
        // A record being inserted has no entry until it is posted.
        if (table && !table->keyField().isEmpty() && table->state() != data::TableState::Insert) {
            const QVariant key = table->value(table->keyField());
            if (!key.isNull())
                current = entryOf(key.toLongLong());
        }
        if (current) {
            setCurrentItem(current);
            scrollToItem(current);
        } else {
            setCurrentItem(nullptr);
            clearSelection();
        }
    });
}

void TfcDBTreeView::syncEntries(const QList<qint64>& keys)
{
    // Both lists are in record order, which is the order of the keys: a merge changes only the
    // entries that came or went, so the entry under the mouse survives a refresh.
    constexpr qint64 kNone = std::numeric_limits<qint64>::max();
    int row = 0;
    qsizetype k = 0;
    while (row < topLevelItemCount() || k < keys.size()) {
        const qint64 have = row < topLevelItemCount()
                                ? topLevelItem(row)->data(0, Qt::UserRole).toLongLong()
                                : kNone;
        const qint64 want = k < keys.size() ? keys[k] : kNone;
        if (have == want) {
            ++row;
            ++k;
        } else if (have < want) {
            delete takeTopLevelItem(row);
        } else {
            auto* item = new QTreeWidgetItem(QStringList(QString::number(want)));
            item->setData(0, Qt::UserRole, want);
            item->setIcon(0, icon_);
            insertTopLevelItem(row, item);
            ++row;
            ++k;
        }
    }
}

void TfcDBTreeView::entryChosen(QTreeWidgetItem* item)
{
    if (syncing_ || !item)
        return;
    const qint64 key = item->data(0, Qt::UserRole).toLongLong();
    guarded([&] {
        data::Table* table = openTable(source_);
        if (!table)
            return;
        if (!isEditing(*table) && table->value(table->keyField()).toLongLong() == key)
            return;
        table->findKey(key);
    });
    // Also after a refused move: the tree shows the record that is current.
    refresh();
}

} // namespace dorvale::platform
