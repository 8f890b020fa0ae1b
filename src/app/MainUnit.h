#pragma once

#include "platform/TForm.h"

class QFrame;
class QLabel;
class QWidget;

namespace dorvale {

namespace platform {
class TfcShapeBtn;
}

// The start window: header picture and three rounded buttons. It is the application's main
// window; closing it ends the run.
class TMainForm : public platform::TForm {
    Q_OBJECT

public:
    TMainForm();

    QWidget* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QWidget* Panel3 = nullptr;
    QFrame* Shape1 = nullptr;
    platform::TfcShapeBtn* StartTestBtn = nullptr;
    platform::TfcShapeBtn* SamplerBtn = nullptr;
    platform::TfcShapeBtn* fcShapeBtn3 = nullptr;

    void StartTestBtnClick();
    void SamplerBtnClick();
    void fcShapeBtn3Click();

signals:
    // The main window closed: the run is over.
    void runEnded();

protected:
    void formClose() override;

private:
    void FormCreate();
};

extern TMainForm* MainForm;

} // namespace dorvale
