#pragma once

#include "data/DataSource.h"
#include "data/Table.h"

#include <QObject>

namespace dorvale {

// The data module: the sampler's connection to the user question set. Its two handlers keep the
// sampler window's status bar, header, Save and Cancel buttons and item actions in step with the
// table.
class TDM : public QObject {
    Q_OBJECT

public:
    TDM();
    ~TDM() override;

    data::Table* dtUserSet = nullptr;
    data::DataSource* dsUserSet = nullptr;

    void dsUserSetStateChange();
    void dsUserSetDataChange(const QString& field);
};

extern TDM* DM;

} // namespace dorvale
