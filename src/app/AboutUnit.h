#pragma once

#include "platform/TForm.h"

class QFrame;
class QLabel;
class QPushButton;

namespace dorvale {

namespace platform {
class TURLLabel;
} // namespace platform

// The About window: the banner, the maker's notice and a link to the maker's web site. The
// test window and the sampler window show it modally (the sampler finds it among the program's
// windows by its name, "AboutForm").
class TAboutForm : public platform::TForm {
    Q_OBJECT

public:
    TAboutForm();

    static const QString kWebAddress;

    QWidget* Panel1 = nullptr; // the white band of the banner
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr; // the three lines of the notice
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    platform::TURLLabel* URLLabel1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "OK"

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutForm* AboutForm;

} // namespace dorvale
