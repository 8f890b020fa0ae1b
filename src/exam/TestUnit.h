#pragma once

#include "data/DataSource.h"
#include "data/Session.h"
#include "data/Table.h"
#include "platform/TForm.h"

#include <memory>

namespace dorvale {

// The window in which exams are chosen, taken, graded and reviewed. It owns the database
// session and the tables of the exam.
class TTestForm : public platform::TForm {
    Q_OBJECT

public:
    TTestForm();
    ~TTestForm() override;

    // Database session and tables.
    std::unique_ptr<data::Session> DBISAMSession1;
    data::Table* dtQSet = nullptr;
    data::Table* dtCurrentSet = nullptr;
    data::Table* dtUserSet = nullptr;
    data::DataSource* dsQSet = nullptr;
    data::DataSource* dsCurrentSet = nullptr;
    data::DataSource* dsUserSet = nullptr;

    // Exam state.
    qint32 FMode = 0;
    QString FExamTitle;
    QString FCandidateName;
    qint32 FItemCount = 0;
    qint32 FFirstItem = 0;
    double FTimeLimit = 0;
    double FElapsed = 0;

    // Settings for the run.
    bool FShowLearnBtn = false;
    bool FTimerOn = true;
    bool FShowCalcBtn = true;
    QString FCalcPath;
    QString FWindowsDir;
    qint32 FDefaultTime = 90;

    void CloseCurrentExam();

protected:
    bool formCloseQuery() override;
    void formClose() override;

private:
    void FormCreate();
};

extern TTestForm* TestForm;

} // namespace dorvale
