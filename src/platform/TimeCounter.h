#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

namespace dorvale::platform {

// A tick timer that also measures the time elapsed since its last restart, on the local wall
// clock. The clock can be replaced, so a test can move time on and fire ticks by hand.
class TimeCounter : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit TimeCounter(QObject* parent = nullptr);

    void setEnabled(bool enabled);
    bool enabled() const { return timer_.isActive(); }
    void setInterval(int ms) { timer_.setInterval(ms); }

    // The elapsed time becomes zero and counting goes on from now.
    void restart();
    // Pauses and resumes the counter; a pause freezes the elapsed time to whole seconds.
    void setCounting(bool counting);
    bool counting() const { return counting_; }

    // Whole seconds since the last restart, wrapping around at a day.
    qint64 elapsedSeconds() const;
    // The same as a time of day in the user's long time format.
    QString elapsed() const;

    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Runs the tick as the timer would when it is due: only while enabled.
    void tick()
    {
        if (enabled())
            emit timeout();
    }

signals:
    void timeout();

private:
    QTimer timer_;
    Clock clock_;
    QDateTime start_;
    bool counting_ = true;
    qint64 frozenMs_ = 0;
};

} // namespace dorvale::platform
