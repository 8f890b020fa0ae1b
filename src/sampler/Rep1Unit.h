#pragma once

#include "data/DataSource.h"
#include "data/Table.h"

#include <QObject>

namespace dorvale {

// The data module: the sampler's connection to the user question set.
class TDM : public QObject {
    Q_OBJECT

public:
    TDM();
    ~TDM() override;

    data::Table* dtUserSet = nullptr;
    data::DataSource* dsUserSet = nullptr;
};

extern TDM* DM;

} // namespace dorvale
