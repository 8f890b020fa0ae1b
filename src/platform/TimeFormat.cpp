#include "TimeFormat.h"

#include <QLocale>
#include <QRegularExpression>

#include <cfenv>
#include <cmath>

namespace dorvale::platform {

QString longTimeFormat()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    // Time-zone letters (t, tt, ttt, tttt) and the blank or bracket that goes with them.
    static const QRegularExpression zone(QStringLiteral(R"(\s*\(?t+\)?\s*)"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

QString formatTimeValue(double days)
{
    const qint64 ms = qint64(std::llround(days * 86400000.0));
    const QTime time = QTime(0, 0).addMSecs(int(((ms % 86400000) + 86400000) % 86400000));
    return QLocale::system().toString(time, longTimeFormat());
}

double parseTimeValue(const QString& text)
{
    const QTime time = QLocale::system().toTime(text, longTimeFormat());
    if (!time.isValid())
        return -1;
    return time.msecsSinceStartOfDay() / 86400000.0;
}

long long roundHalfEven(long double value)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long long result = std::llrint(value);
    std::fesetround(mode);
    return result;
}

} // namespace dorvale::platform
