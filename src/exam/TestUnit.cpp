#include "TestUnit.h"

#include "data/Schemas.h"
#include "data/TablePassword.h"
#include "platform/ErrorBox.h"

namespace dorvale {

TTestForm* TestForm = nullptr;

namespace {

data::Table* newTable(QObject* owner, const char* file)
{
    auto* table = new data::Table(QString::fromLatin1(data::kSessionName), QString::fromLatin1(file),
                                  owner);
    table->setLockRetryCount(15);
    table->setLockWaitTime(100);
    return table;
}

data::DataSource* newSource(QObject* owner, data::Table* table, const char* name)
{
    auto* source = new data::DataSource(owner);
    source->setObjectName(QLatin1String(name));
    source->setDataSet(table);
    return source;
}

} // namespace

TTestForm::TTestForm()
    : TForm(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TestForm"));
    DBISAMSession1 = std::make_unique<data::Session>(QString::fromLatin1(data::kSessionName));
    dtQSet = newTable(this, data::kBankFile);
    dtQSet->setObjectName(QStringLiteral("dtQSet"));
    dtCurrentSet = newTable(this, data::kCurrentSetFile);
    dtCurrentSet->setObjectName(QStringLiteral("dtCurrentSet"));
    dtUserSet = newTable(this, data::kUserSetFile);
    dtUserSet->setObjectName(QStringLiteral("dtUserSet"));
    dsQSet = newSource(this, dtQSet, "dsQSet");
    dsCurrentSet = newSource(this, dtCurrentSet, "dsCurrentSet");
    dsUserSet = newSource(this, dtUserSet, "dsUserSet");

    resize(732, 505);
    setMinimumSize(732, 502);
    platform::guarded([this] { FormCreate(); });
}

TTestForm::~TTestForm()
{
    // The tables go before the session they belong to.
    delete dsQSet;
    delete dsCurrentSet;
    delete dsUserSet;
    delete dtQSet;
    delete dtCurrentSet;
    delete dtUserSet;
}

void TTestForm::FormCreate()
{
    DBISAMSession1->addPassword(data::tablePassword());
    setWindowState(Qt::WindowMaximized);
    setWindowTitle(QStringLiteral("Dorvale 4.0"));
    FMode = 0;
}

void TTestForm::CloseCurrentExam()
{
    FMode = 0;
    dtQSet->setFilter(QString());
    dtQSet->setFiltered(false);
    dtQSet->close();
    dtCurrentSet->close();
    dtUserSet->close();
}

bool TTestForm::formCloseQuery() { return true; }

void TTestForm::formClose()
{
    CloseCurrentExam();
    if (QWidget* main = platform::Application::mainForm())
        main->show();
}

} // namespace dorvale
