#pragma once

#include "platform/TForm.h"

class QLabel;

namespace dorvale {

// A window that shows one exhibit picture at its natural size.
class TPictForm : public platform::TForm {
    Q_OBJECT

public:
    explicit TPictForm(Qt::WindowFlags flags);

    QLabel* Image1 = nullptr;

    // Loads the picture file, named relative to the program's folder, and fits the window's
    // client area to it. Throws, naming the file, when it is missing or not a picture.
    void loadPicture(const QString& fileName);

protected:
    // Where the window stands when it is shown.
    virtual void placeWindow() = 0;
    void showEvent(QShowEvent* event) override;
};

} // namespace dorvale
