#pragma once

#include "BankSource.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

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
// Writes dorvale.DAT from items, plus empty ces.DAT and dorvusr.DAT, into dir.
void writeTables(const QString& dir, const QList<bank::Item>& items);

QByteArray fileBytes(const QString& path);

} // namespace dorvale::test
