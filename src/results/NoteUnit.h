#pragma once

#include "platform/TForm.h"

class QLabel;
class QPushButton;
class QWidget;

namespace dorvale {

namespace platform {
class TDBMemo;
class TfcLabel;
} // namespace platform

// The user's note on the item on screen. It edits U_MEMO of the current exam set's record and
// saves it there and into the question bank, so the note comes back in every later exam.
class TNoteForm : public platform::TForm {
    Q_OBJECT

public:
    TNoteForm();

    QWidget* Panel1 = nullptr; // heading strip
    platform::TfcLabel* fcLabel1 = nullptr;
    QLabel* Label2 = nullptr;
    platform::TDBMemo* DBMemo1 = nullptr;
    QWidget* Panel2 = nullptr; // button row
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void DBMemo1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void formClose() override;

private:
    void ResetNoteButtons();
};

extern TNoteForm* NoteForm;

} // namespace dorvale
