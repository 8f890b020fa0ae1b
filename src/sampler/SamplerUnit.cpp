#include "SamplerUnit.h"

#include "Rep1Unit.h"

#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dorvale {

TSamplerForm* SamplerForm = nullptr;

TSamplerForm::TSamplerForm()
{
    setObjectName(QStringLiteral("SamplerForm"));
    setWindowTitle(QStringLiteral("Quillon Test Sampler"));
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Test question"));
    auto* sheet2 = new QWidget(PageControl1);
    auto* sheet2Layout = new QVBoxLayout(sheet2);
    ListBox1 = new QListWidget(sheet2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    sheet2Layout->addWidget(ListBox1);
    PageControl1->addTab(sheet2, QStringLiteral("Type, Section"));
    layout->addWidget(PageControl1);
    resize(646, 481);
}

void TSamplerForm::formClose()
{
    if (QWidget* main = platform::Application::mainForm())
        main->show();
    DM->dtUserSet->close();
}

} // namespace dorvale
