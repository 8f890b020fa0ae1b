#pragma once

#include <QString>
#include <QStringList>

namespace dorvale::data {

class Session;

// The three tables of the program: file names and the layout new files are created with.
inline constexpr auto kBankFile = "dorvale.DAT";
inline constexpr auto kCurrentSetFile = "ces.DAT";
inline constexpr auto kUserSetFile = "dorvusr.DAT";

enum class TableKind { Bank, CurrentSet, UserSet };

QString fileNameOf(TableKind kind);
// Field names of a kind, in the order of its columns.
QStringList fieldsOf(TableKind kind);

// Creates an empty table file (an existing file is left alone and false is returned).
bool createTableFile(const Session& session, TableKind kind, const QString& path);

} // namespace dorvale::data
