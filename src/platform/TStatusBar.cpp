#include "TStatusBar.h"

#include <QLabel>

namespace dorvale::platform {

TStatusBar::TStatusBar(QWidget* parent)
    : QStatusBar(parent)
{}

int TStatusBar::addPanel(int width)
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Panel%1").arg(panels_.size() + 1));
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFixedWidth(width);
    addWidget(label);
    panels_.append(label);
    return int(panels_.size()) - 1;
}

void TStatusBar::setPanelText(int index, const QString& text)
{
    if (QLabel* label = panel(index))
        label->setText(text);
}

QString TStatusBar::panelText(int index) const
{
    const QLabel* label = panel(index);
    return label ? label->text() : QString();
}

} // namespace dorvale::platform
