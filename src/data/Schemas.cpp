#include "Schemas.h"

#include "Session.h"
#include "SqlCipher.h"

#include <QFileInfo>

#include <vector>

namespace dorvale::data {

namespace {

struct Column {
    const char* name;
    const char* type;
};

// Columns after the key, as (name, SQL type); integers hold booleans as 0 and 1.
std::vector<Column> itemColumns(TableKind kind)
{
    std::vector<Column> columns;
    if (kind != TableKind::UserSet)
        columns.push_back(Column{"Q_EXAM_N", "INTEGER"});
    columns.push_back(Column{"Q_SECT", "INTEGER"});
    columns.push_back(Column{"Q_TEXT", "TEXT"});
    columns.push_back(Column{"Q_EXPL", "TEXT"});
    columns.push_back(Column{"Q_TYPE", "INTEGER"});
    static const char* const q[] = {"Q1", "Q2", "Q3", "Q4", "Q5", "Q6"};
    static const char* const a[] = {"A1", "A2", "A3", "A4", "A5", "A6"};
    for (const char* name : q)
        columns.push_back(Column{name, "TEXT"});
    for (const char* name : a)
        columns.push_back(Column{name, "INTEGER"});
    if (kind != TableKind::UserSet) {
        columns.push_back(Column{"Q_SIM", "TEXT"});
        columns.push_back(Column{"PICT1", "TEXT"});
        columns.push_back(Column{"PICT2", "TEXT"});
    }
    if (kind == TableKind::CurrentSet)
        columns.push_back(Column{"Q_OR_NUMBER", "INTEGER"});
    columns.push_back(Column{"U_MEMO", "TEXT"});
    return columns;
}

QString sqlTableName(TableKind kind)
{
    switch (kind) {
    case TableKind::Bank:
        return QStringLiteral("dorvale");
    case TableKind::CurrentSet:
        return QStringLiteral("ces");
    case TableKind::UserSet:
        return QStringLiteral("dorvusr");
    }
    return {};
}

} // namespace

QString fileNameOf(TableKind kind)
{
    switch (kind) {
    case TableKind::Bank:
        return QString::fromLatin1(kBankFile);
    case TableKind::CurrentSet:
        return QString::fromLatin1(kCurrentSetFile);
    case TableKind::UserSet:
        return QString::fromLatin1(kUserSetFile);
    }
    return {};
}

QStringList fieldsOf(TableKind kind)
{
    QStringList names;
    if (kind != TableKind::CurrentSet)
        names << QStringLiteral("Q_ID");
    for (const Column& column : itemColumns(kind))
        names << QString::fromLatin1(column.name);
    return names;
}

bool createTableFile(const Session& session, TableKind kind, const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    Database db(path, QFileInfo(path).fileName(), session.tableKey(), Database::Mode::Create, {});
    QString sql = QStringLiteral("CREATE TABLE %1 (").arg(sqlTableName(kind));
    QStringList parts;
    // The bank and the user set are ordered by their key Q_ID; the current exam set has no key,
    // so its records stay in the order they were appended.
    if (kind == TableKind::Bank)
        parts << QStringLiteral("Q_ID INTEGER PRIMARY KEY");
    else if (kind == TableKind::UserSet)
        parts << QStringLiteral("Q_ID INTEGER PRIMARY KEY AUTOINCREMENT"); // never reused
    for (const Column& column : itemColumns(kind))
        parts << QStringLiteral("%1 %2").arg(QLatin1String(column.name),
                                             QLatin1String(column.type));
    sql += parts.join(QStringLiteral(", ")) + QStringLiteral(");");
    Transaction transaction(db);
    db.exec(sql.toUtf8().constData());
    if (kind == TableKind::Bank)
        db.exec("CREATE INDEX dorvale_exam ON dorvale (Q_EXAM_N);");
    transaction.commit();
    return true;
}

} // namespace dorvale::data
