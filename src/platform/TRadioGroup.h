#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace dorvale::platform {

// A captioned group of radio buttons, one above the other, of which one is selected. Selecting
// an item, by a click or through setItemIndex(), reports clicked() as a click does.
class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return buttons_.value(index); }

signals:
    void clicked();

private:
    QButtonGroup* group_ = nullptr;
    QList<QRadioButton*> buttons_;
};

} // namespace dorvale::platform
