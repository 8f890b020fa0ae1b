#pragma once

#include <QString>

namespace dorvale::data {

// The fixed password under which the shipped tables are encrypted. The program gives it to its
// database session before any table opens; the bank tool uses it to write the tables.
inline QString tablePassword()
{
    return QStringLiteral("Qv!7dorvale4#0");
}

inline constexpr auto kSessionName = "Quillon";

} // namespace dorvale::data
