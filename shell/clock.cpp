// The real elapsed-time clock and the repeating tick built on whichever clock is installed.
#include "shell/clock.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <cmath>

namespace {

class SystemClock final : public Clock {
public:
    SystemClock() { timer_.start(); }
    double now() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e9; }
    void wakeAt(double when, QObject* context, std::function<void()> action) override
    {
        const double remaining = when - now();
        const int ms = remaining <= 0 ? 0 : static_cast<int>(std::ceil(remaining * 1000.0));
        QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(action));
    }

private:
    QElapsedTimer timer_;
};

Clock* installed = nullptr;

} // namespace

Clock& Clock::current()
{
    static SystemClock system;
    return installed ? *installed : system;
}

void Clock::install(Clock* clock) { installed = clock; }

void Ticker::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    ++generation_;
    if (enabled_)
        schedule();
}

void Ticker::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    ++generation_;
    if (enabled_)
        schedule();
}

void Ticker::schedule()
{
    if (interval_ <= 0)
        return;
    const unsigned generation = generation_;
    Clock& clock = Clock::current();
    clock.wakeAt(clock.now() + interval_ / 1000.0, this, [this, generation] {
        if (!enabled_ || generation != generation_)
            return;
        schedule();
        emit tick();
    });
}
