#pragma once

#include <QByteArray>
#include <QString>

namespace dorvale::data {

// The database session every table belongs to. It holds the table password, which must be given
// before any table is opened, and the folder table names are resolved against (empty: the
// working directory).
class Session {
public:
    // Tables name the session they belong to; a session is found by its name while it exists.
    explicit Session(QString name);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Throws when no session of that name exists.
    static Session& named(const QString& name);

    const QString& sessionName() const { return name_; }

    void addPassword(const QString& password);
    bool hasPassword() const { return !key_.isEmpty(); }
    // Throws when no password was given yet.
    const QByteArray& tableKey() const;

    void setDirectory(const QString& directory) { directory_ = directory; }
    const QString& directory() const { return directory_; }
    QString pathOf(const QString& tableName) const;

private:
    QString name_;
    QByteArray key_;
    QString directory_;
};

} // namespace dorvale::data
