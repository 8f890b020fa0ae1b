#include "ProgressUnit.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace dorvale {

TProgressForm* ProgressForm = nullptr;

TProgressForm::TProgressForm()
    : TForm(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(QStringLiteral("Randomizing question set..."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1); // border width 1
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setMinimum(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedSize(231, 15);
    layout->addWidget(ProgressBar1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dorvale
