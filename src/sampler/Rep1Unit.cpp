#include "Rep1Unit.h"

#include "data/Schemas.h"
#include "data/TablePassword.h"
#include "platform/TForm.h"

namespace dorvale {

TDM* DM = nullptr;

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
    dsUserSet->setDataSet(dtUserSet);
}

TDM::~TDM() { platform::FormRegistry::remove(this); }

} // namespace dorvale
