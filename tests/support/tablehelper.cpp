// A second process for the table tests.
//   tablehelper hold DIR FILE MS   open FILE exclusively, print "held", keep it MS milliseconds
//   tablehelper post DIR FILE      append one record to FILE, post it, print "posted", then wait
#include "data/Session.h"
#include "data/Table.h"
#include "data/TablePassword.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

using namespace dorvale::data;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    Session session(QStringLiteral("helper"));
    session.addPassword(tablePassword());
    session.setDirectory(args[2]);
    Table table(session.sessionName(), args[3]);
    if (args[1] == QLatin1String("hold") && args.size() == 5) {
        table.setExclusive(true);
        table.open();
        std::puts("held");
        std::fflush(stdout);
        QThread::msleep(args[4].toULong());
        return 0;
    }
    if (args[1] == QLatin1String("post")) {
        table.open();
        table.append();
        table.setValue(QStringLiteral("Q_OR_NUMBER"), 4242);
        table.setValue(QStringLiteral("Q_TEXT"), QStringLiteral("written before the kill"));
        table.post();
        std::puts("posted");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    return 2;
}
