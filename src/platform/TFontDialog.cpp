#include "TFontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>

namespace dorvale::platform {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

constexpr NamedColor kColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF}};

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(22, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(color);
    p.drawRect(0, 0, 21, 11);
    return QIcon(pixmap);
}

// The dialog's group of effect check boxes, where the colour belongs.
QGroupBox* effectsGroup(QFontDialog* dialog)
{
    for (auto* group : dialog->findChildren<QGroupBox*>()) {
        if (!group->findChildren<QCheckBox*>().isEmpty())
            return group;
    }
    return nullptr;
}

} // namespace

TFontDialog::TFontDialog(QWidget* parent)
    : QFontDialog(parent)
{
    // Qt's own dialog, so the colour can be offered in it on every desktop.
    setOption(QFontDialog::DontUseNativeDialog);

    colorBox_ = new QComboBox;
    colorBox_->setObjectName(QStringLiteral("ColorBox"));
    for (const NamedColor& c : kColors)
        colorBox_->addItem(swatch(QColor(c.rgb)), QString::fromLatin1(c.name), QColor(c.rgb));
    auto* label = new QLabel(QStringLiteral("&Color:"));
    label->setBuddy(colorBox_);

    QGroupBox* effects = effectsGroup(this);
    if (effects && effects->layout()) {
        effects->layout()->addWidget(label);
        effects->layout()->addWidget(colorBox_);
    } else {
        // Should Qt's dialog ever be built differently, the colour still has a place.
        auto* row = new QWidget(this);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->addWidget(label);
        rowLayout->addWidget(colorBox_);
        layout()->addWidget(row);
    }
    connect(colorBox_, &QComboBox::currentIndexChanged, this, &TFontDialog::showColorInSample);
    connect(this, &QFontDialog::currentFontChanged, this, &TFontDialog::showColorInSample);
}

void TFontDialog::setCurrentColor(const QColor& color)
{
    const QColor opaque(color.rgb());
    int index = colorBox_->findData(opaque);
    if (index < 0) {
        // A colour of its own, offered beside the sixteen until another is set.
        const int custom = colorBox_->findText(QStringLiteral("Custom"));
        if (custom >= 0)
            colorBox_->removeItem(custom);
        colorBox_->addItem(swatch(opaque), QStringLiteral("Custom"), opaque);
        index = colorBox_->count() - 1;
    }
    colorBox_->setCurrentIndex(index);
    showColorInSample();
}

QColor TFontDialog::currentColor() const
{
    return colorBox_->currentData().value<QColor>();
}

void TFontDialog::showColorInSample()
{
    auto* sample = findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));
    if (!sample)
        return;
    QPalette pal = sample->palette();
    pal.setColor(QPalette::Text, currentColor());
    sample->setPalette(pal);
}

} // namespace dorvale::platform
