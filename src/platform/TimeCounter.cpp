#include "TimeCounter.h"

#include "TimeFormat.h"

namespace dorvale::platform {

TimeCounter::TimeCounter(QObject* parent)
    : QObject(parent)
    , clock_([] { return QDateTime::currentDateTime(); })
{
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &TimeCounter::timeout);
    start_ = clock_();
}

void TimeCounter::setEnabled(bool enabled)
{
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void TimeCounter::restart()
{
    start_ = clock_();
    frozenMs_ = 0;
}

void TimeCounter::setCounting(bool counting)
{
    if (counting == counting_)
        return;
    if (!counting) {
        frozenMs_ = elapsedSeconds() * 1000;
    } else {
        start_ = clock_().addMSecs(-frozenMs_);
    }
    counting_ = counting;
}

qint64 TimeCounter::elapsedSeconds() const
{
    // A clock set back before the start counts as no time elapsed.
    const qint64 ms = qMax<qint64>(0, counting_ ? start_.msecsTo(clock_()) : frozenMs_);
    return (ms / 1000) % 86400;
}

QString TimeCounter::elapsed() const
{
    return formatTimeValue(elapsedSeconds() / 86400.0);
}

} // namespace dorvale::platform
