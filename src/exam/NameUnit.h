#pragma once

#include "platform/TForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;

namespace dorvale {

namespace platform {
class TSpinEdit;
}

// The candidate dialog: name, time limit and, for a Random Exam, the number of questions.
class TNameForm : public platform::TForm {
    Q_OBJECT

public:
    TNameForm();

    QLabel* Label1 = nullptr; // date
    QLabel* Label3 = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLabel* Label2 = nullptr;
    platform::TSpinEdit* SpinEdit1 = nullptr; // time (min)
    QLabel* Label4 = nullptr;
    platform::TSpinEdit* SpinEdit2 = nullptr; // number of questions
    QFrame* Bevel1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // Cancel

    void FormActivate();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TNameForm* NameForm;

} // namespace dorvale
