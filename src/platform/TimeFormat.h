#pragma once

#include <QString>
#include <QTime>

namespace dorvale::platform {

// The user's long time format without its time-zone part.
QString longTimeFormat();
// A time value in days (one minute is 1/1440) written as a time of day in that format.
QString formatTimeValue(double days);
// The text of a time of day read back as a time value in days; -1 when it cannot be read.
double parseTimeValue(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour (62.5 -> 62, 187.5 -> 188).
long long roundHalfEven(long double value);

} // namespace dorvale::platform
