#pragma once

#include "platform/TForm.h"

#include <QIcon>
#include <QList>
#include <QListWidget>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace dorvale {

namespace platform {
class TDBCheckBox;
class TDBEdit;
class TDBMemo;
class TDBNavigator;
class TStatusBar;
class TfcDBTreeView;
class TfcLabel;
} // namespace platform

// The editor of the user question set: the items listed by their identifier, the current item
// on four pages, and the commands to add, edit, save, cancel, delete and empty. The editing
// controls are bound to the data module's dsUserSet, whose handlers keep the status bar, the
// header and the Save and Cancel buttons up to date.
class TSamplerForm : public platform::TForm {
    Q_OBJECT

public:
    TSamplerForm();

    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Items1 = nullptr;
    QAction* Emptyquestionset1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;
    QAction* AddAct = nullptr;
    QAction* EditAct = nullptr;
    QAction* DelAct = nullptr;
    QList<QIcon> ImageList1;
    QToolBar* ToolBar1 = nullptr;
    QMenu* PopupMenu1 = nullptr;

    QSplitter* Splitter1 = nullptr;
    platform::TfcDBTreeView* fcDBTreeView1 = nullptr;
    QWidget* Panel1 = nullptr; // right of the tree: header band and pages
    QWidget* Panel2 = nullptr; // the header band
    platform::TfcLabel* fcLabel4 = nullptr;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QLabel* Label1 = nullptr;
    platform::TDBMemo* DBMemo1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QLabel* Label4 = nullptr;
    QScrollArea* ScrollBox2 = nullptr;
    platform::TDBCheckBox* DBCheckBox1 = nullptr;
    platform::TDBCheckBox* DBCheckBox2 = nullptr;
    platform::TDBCheckBox* DBCheckBox3 = nullptr;
    platform::TDBCheckBox* DBCheckBox4 = nullptr;
    platform::TDBCheckBox* DBCheckBox5 = nullptr;
    platform::TDBCheckBox* DBCheckBox6 = nullptr;
    platform::TDBEdit* DBEdit2 = nullptr;
    platform::TDBEdit* DBEdit3 = nullptr;
    platform::TDBEdit* DBEdit4 = nullptr;
    platform::TDBEdit* DBEdit5 = nullptr;
    platform::TDBEdit* DBEdit6 = nullptr;
    platform::TDBEdit* DBEdit7 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QLabel* Label5 = nullptr;
    platform::TDBMemo* DBMemo2 = nullptr;

    QWidget* Panel3 = nullptr; // the bottom band
    platform::TDBNavigator* DBNavigator1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    platform::TStatusBar* StatusBar1 = nullptr;

    // Choice n (1 to 6): its check box and the edit of its text.
    platform::TDBCheckBox* choiceCheckBox(int n) const;
    platform::TDBEdit* choiceEdit(int n) const;

    void EnableActions(bool enable);

    void AddActExecute();
    void EditActExecute();
    void DelActExecute();
    void BitBtn1Click();
    void BitBtn2Click();
    void ComboBox1Change();
    void ListBox1Click();
    void TabSheet2Enter();
    void PageControl1Resize();
    void Emptyquestionset1Click();
    void Exit1Click();
    void About1Click();

protected:
    bool formCloseQuery() override;
    void formClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void createMenus();
    void createPages();
    QWidget* createQuestionPage();
    QWidget* createTypePage();
    QWidget* createChoicesPage();
    QWidget* createExplanationPage();
    void createBottomBand();
    void bindControls();
};

extern TSamplerForm* SamplerForm;

} // namespace dorvale
