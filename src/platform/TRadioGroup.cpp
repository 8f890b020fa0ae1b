#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dorvale::platform {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent)
    , group_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button);
        buttons_.append(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this] { emit clicked(); });
}

int TRadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    if (QRadioButton* button = item(index))
        button->setChecked(true);
    emit clicked();
}

} // namespace dorvale::platform
