#pragma once

#include "BankSource.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

class QAction;

#include <functional>

namespace dorvale::test {

// Called from each test's initTestCase: message boxes answered by the tests, temporary settings,
// the program's fonts.
void initEnvironment();

// Runs action on the next modal window that opens (polling the event loop), so a test drives the
// real modal path: schedule the answer, then trigger what opens the window.
void onNextModal(std::function<void(QWidget* modal)> action, int timeoutMs = 5000);
// True when no modal window is left open.
bool noModalLeft();

// A bank item for fixtures: choices "Choice a" ... with the given key letters ("b", "ac").
bank::Item item(int id, int exam, int section, const QString& key, int choices = 4,
                const QString& question = {});
// The item with its choice texts replaced; an empty text is a missing choice.
bank::Item withChoices(bank::Item item, const QStringList& texts);
// Writes dorvale.DAT from items, plus empty ces.DAT and dorvusr.DAT, into dir.
void writeTables(const QString& dir, const QList<bank::Item>& items);

QByteArray fileBytes(const QString& path);

// The program's windows on a fixture bank in a temporary folder, which becomes the working
// directory: create once per test program, after initEnvironment().
class FormsFixture {
public:
    explicit FormsFixture(const QList<bank::Item>& items);
    ~FormsFixture();
    QString path(const QString& name) const;
    // Copies a file of tests/fixtures into the folder.
    void addFixtureFile(const QString& name) const;

private:
    QString dir_;
};

// Starts an exam by triggering action, answering the candidate dialog with OK after
// adjust(dialog) ran (nothing to adjust by default).
void startExam(QAction* action, std::function<void()> adjust = {});
// Moves the current exam set to the item copied from bank item id; false when it is not there.
bool goToItem(int id);
// The review of a graded exam, as the score window's "View Answers" enters it.
void enterReview();

} // namespace dorvale::test
