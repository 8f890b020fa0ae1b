#include "Program.h"

#include "AboutUnit.h"
#include "MainUnit.h"
#include "OptionsUnit.h"
#include "exam/NameUnit.h"
#include "exam/PictUnit1.h"
#include "exam/PictUnit2.h"
#include "exam/ProgressUnit.h"
#include "exam/TestUnit.h"
#include "results/NoteUnit.h"
#include "results/ReviewUnit.h"
#include "results/ScoreUnit.h"
#include "sampler/Rep1Unit.h"
#include "sampler/SamplerUnit.h"

#include "data/Error.h"

#include <QApplication>
#include <QFont>
#include <QTextStream>

// The pictures are compiled into the app library, which is linked statically.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace dorvale {

void initApplication(QApplication& app)
{
    initResources();
    app.setApplicationName(QStringLiteral("Dorvale 4.0"));
    app.setQuitOnLastWindowClosed(false); // the run ends when the main window closes
    // The windows name the fonts of the desktop they were designed on; these are the closest
    // fonts a Debian desktop has.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

void createForms()
{
    MainForm = new TMainForm;
    platform::Application::setMainForm(MainForm);
    TestForm = new TTestForm;
    ProgressForm = new TProgressForm;
    ScoreForm = new TScoreForm;
    NameForm = new TNameForm;
    ReviewForm = new TReviewForm;
    NoteForm = new TNoteForm;
    OptionsForm = new TOptionsForm;
    DM = new TDM;
    AboutForm = new TAboutForm;
    SamplerForm = new TSamplerForm;
    Pict1Form = new TPict1Form;
    Pict2Form = new TPict2Form;
}

template <typename T> static void destroy(T*& form)
{
    delete form;
    form = nullptr;
}

void destroyForms()
{
    destroy(Pict2Form);
    destroy(Pict1Form);
    destroy(SamplerForm);
    destroy(AboutForm);
    destroy(DM);
    destroy(OptionsForm);
    destroy(NoteForm);
    destroy(ReviewForm);
    destroy(NameForm);
    destroy(ScoreForm);
    destroy(ProgressForm);
    destroy(TestForm);
    platform::Application::setMainForm(nullptr);
    destroy(MainForm);
}

int checkTables()
{
    QTextStream out(stdout);
    int failures = 0;
    for (data::Table* table : {TestForm->dtQSet, TestForm->dtCurrentSet, TestForm->dtUserSet}) {
        try {
            table->open();
            out << table->tableName() << ": " << table->recordCount() << " records\n";
            table->close();
        } catch (const Error& e) {
            out << e.message() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace dorvale
