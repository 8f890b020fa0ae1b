#pragma once

#include "platform/TForm.h"

class QListWidget;
class QTabWidget;

namespace dorvale {

// The editor of the user question set.
class TSamplerForm : public platform::TForm {
    Q_OBJECT

public:
    TSamplerForm();

    QListWidget* ListBox1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;

protected:
    void formClose() override;
};

extern TSamplerForm* SamplerForm;

} // namespace dorvale
