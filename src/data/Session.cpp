#include "Session.h"

#include "Error.h"
#include "SqlCipher.h"

#include <QDir>
#include <QHash>

namespace dorvale::data {

namespace {
QHash<QString, Session*>& sessions()
{
    static QHash<QString, Session*> byName;
    return byName;
}
} // namespace

Session::Session(QString name)
    : name_(std::move(name))
{
    sessions().insert(name_, this);
}

Session::~Session()
{
    if (sessions().value(name_) == this)
        sessions().remove(name_);
}

Session& Session::named(const QString& name)
{
    Session* session = sessions().value(name);
    if (!session)
        throw Error(QStringLiteral("There is no database session named '%1'.").arg(name));
    return *session;
}

void Session::addPassword(const QString& password)
{
    key_ = deriveTableKey(password);
}

const QByteArray& Session::tableKey() const
{
    if (key_.isEmpty())
        throw Error(QStringLiteral("The session '%1' has no table password.").arg(name_));
    return key_;
}

QString Session::pathOf(const QString& tableName) const
{
    return directory_.isEmpty() ? tableName : QDir(directory_).filePath(tableName);
}

} // namespace dorvale::data
