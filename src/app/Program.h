#pragma once

class QApplication;

namespace dorvale {

// Sets the application title and the font substitutions the windows rely on.
void initApplication(QApplication& app);
// Creates every window of the program once, in the order the windows rely on.
void createForms();
// Destroys them again, in reverse order.
void destroyForms();
// Opens each of the three tables once and reports what failed; 0 when all open.
int checkTables();

} // namespace dorvale
