#include "Rep1Unit.h"

#include "SamplerUnit.h"
#include "data/Schemas.h"
#include "data/TablePassword.h"
#include "platform/ErrorBox.h"
#include "platform/TForm.h"
#include "platform/TStatusBar.h"
#include "platform/TfcLabel.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace dorvale {

TDM* DM = nullptr;

namespace {

enum Panel { kIdPanel = 0, kCountPanel = 1, kStatePanel = 2, kChangePanel = 3 };

} // namespace

TDM::TDM()
{
    setObjectName(QStringLiteral("DM"));
    platform::FormRegistry::add(this);
    dtUserSet = new data::Table(QString::fromLatin1(data::kSessionName),
                                QString::fromLatin1(data::kUserSetFile), this);
    dtUserSet->setObjectName(QStringLiteral("dtUserSet"));
    dtUserSet->setLockRetryCount(15);
    dtUserSet->setLockWaitTime(100);
    dsUserSet = new data::DataSource(this);
    dsUserSet->setObjectName(QStringLiteral("dsUserSet"));
    dsUserSet->setAutoEdit(true);
    dsUserSet->setDataSet(dtUserSet);
    connect(dsUserSet, &data::DataSource::stateChange, this,
            platform::guard(this, &TDM::dsUserSetStateChange));
    connect(dsUserSet, &data::DataSource::dataChange, this, [this](const QString& field) {
        platform::guarded([&] { dsUserSetDataChange(field); });
    });
}

TDM::~TDM()
{
    platform::FormRegistry::remove(this);
}

void TDM::dsUserSetStateChange()
{
    TSamplerForm* form = SamplerForm;
    if (!form)
        return;
    const data::TableState state = dtUserSet->state();
    switch (state) {
    case data::TableState::Browse:
        form->BitBtn1->setEnabled(false);
        form->BitBtn2->setEnabled(false);
        form->StatusBar1->setPanelText(kStatePanel, QStringLiteral("  Browsing"));
        break;
    case data::TableState::Edit:
        form->StatusBar1->setPanelText(kStatePanel, QStringLiteral(" Edit Item"));
        form->fcLabel4->setText(QStringLiteral("Edit Item"));
        break;
    case data::TableState::Insert:
        form->fcLabel4->setText(QStringLiteral("Add new item"));
        form->StatusBar1->setPanelText(kStatePanel, QStringLiteral(" Add new item"));
        break;
    case data::TableState::Inactive:
        return;
    }
    if (state == data::TableState::Edit || state == data::TableState::Insert) {
        form->BitBtn1->setEnabled(true);
        form->BitBtn2->setEnabled(true);
        form->StatusBar1->setPanelText(kChangePanel, QStringLiteral(" Modified"));
    }
}

void TDM::dsUserSetDataChange(const QString& /*field*/)
{
    TSamplerForm* form = SamplerForm;
    if (!form || !dtUserSet->active())
        return;
    if (dtUserSet->state() == data::TableState::Browse) {
        const QString id = QString::number(dtUserSet->asInteger(QStringLiteral("Q_ID")));
        form->fcLabel4->setText(QStringLiteral("Item ID: ") + id);
        form->StatusBar1->setPanelText(kIdPanel, QStringLiteral(" Item ID: ") + id);
        form->StatusBar1->setPanelText(kCountPanel, QStringLiteral(" Items: ") +
                                                        QString::number(dtUserSet->recordCount()));
        const int section = dtUserSet->asInteger(QStringLiteral("Q_SECT"));
        if (section >= 1 && section <= form->ListBox1->count()) {
            form->ListBox1->setCurrentRow(section - 1);
        } else {
            form->ListBox1->setCurrentRow(-1);
            form->ListBox1->clearSelection();
        }
        // Also shows the entry's text again where the user had typed over it.
        form->ComboBox1->setCurrentIndex(dtUserSet->asBoolean(QStringLiteral("Q_TYPE")) ? 1 : 0);
    }
    if (dtUserSet->isEmpty()) {
        form->EditAct->setEnabled(false);
        form->DelAct->setEnabled(false);
        form->fcLabel4->setText(QStringLiteral("The question set is empty"));
        form->StatusBar1->setPanelText(kIdPanel, QStringLiteral(" Empty"));
    }
}

} // namespace dorvale
