// Renders windows of the program in given states to PNG files, for looking at them:
//   shots OUTDIR [NAME...]
// It runs on the shipped tables in build/bin, answering message boxes with their default button.
#include "TestSupport.h"

#include "app/MainUnit.h"
#include "app/Program.h"
#include "exam/NameUnit.h"
#include "exam/TestUnit.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>
#include <vector>

using namespace dorvale;

namespace {

QString outDir;

void save(QWidget* w, const QString& name)
{
    QCoreApplication::processEvents();
    w->grab().save(QDir(outDir).filePath(name + QStringLiteral(".png")));
}

// Starts exam number exam (1..7) with the candidate dialog confirmed.
void startExam(int exam)
{
    test::onNextModal([](QWidget*) { NameForm->BitBtn1->click(); });
    TestForm->ExamActions[size_t(exam - 1)]->trigger();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    test::initEnvironment();
    createForms();
    QDir::setCurrent(QStringLiteral(DORVALE_BIN_DIR));
    outDir = app.arguments().value(1, QStringLiteral("/tmp"));
    QStringList wanted = app.arguments().mid(2);

    const std::vector<std::pair<QString, std::function<void()>>> shots = {
        {QStringLiteral("main"), [] { MainForm->show(); save(MainForm, QStringLiteral("main")); }},
        {QStringLiteral("start"), [] {
             TestForm->show();
             save(TestForm, QStringLiteral("start"));
         }},
        {QStringLiteral("candidate"), [] {
             test::onNextModal([](QWidget* modal) {
                 save(modal, QStringLiteral("candidate"));
                 NameForm->BitBtn2->click();
             });
             TestForm->show();
             TestForm->RandAct->trigger();
         }},
        {QStringLiteral("exam"), [] {
             TestForm->show();
             startExam(1);
             save(TestForm, QStringLiteral("exam1"));
             for (int i = 0; i < 6; ++i) {
                 TestForm->NextButton->click();
                 save(TestForm, QStringLiteral("exam%1").arg(i + 2));
             }
         }},
    };
    for (const auto& [name, shot] : shots) {
        if (wanted.isEmpty() || wanted.contains(name))
            shot();
    }
    destroyForms();
    return 0;
}
