#include "app/MainUnit.h"
#include "app/Program.h"
#include "platform/GuardedApplication.h"

#include <QStringList>

int main(int argc, char** argv)
{
    dorvale::platform::GuardedApplication app(argc, argv);
    dorvale::initApplication(app);
    dorvale::createForms();

    int result = 0;
    if (app.arguments().contains(QStringLiteral("--check-tables"))) {
        result = dorvale::checkTables();
    } else {
        QObject::connect(dorvale::MainForm, &dorvale::TMainForm::runEnded, &app,
                         &QCoreApplication::quit);
        dorvale::MainForm->show();
        dorvale::MainForm->centreOnScreen();
        result = app.exec();
    }
    dorvale::destroyForms();
    return result;
}
