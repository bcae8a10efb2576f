// A clock the test moves by hand, so waits and timers run without real time passing. It keeps the
// length of every wait (hold or TempoP) a window began, and may look at the window during each.
#pragma once

#include "shell/clock.h"

#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

class FakeClock final : public Clock {
public:
    FakeClock() { Clock::install(this); }
    ~FakeClock() override { Clock::install(nullptr); }

    double now() const override { return now_; }
    void wakeAt(double when, QObject* context, std::function<void()> action) override;

    // Moves the clock on and runs, in time order, everything that was due by then.
    void advance(double seconds);
    // Every wait and every timer ends as soon as the event loop runs, the clock jumping to its end; a
    // test that counts a game clock's ticks leaves this off and ends the waits from duringWaits.
    void setAutoAdvance(bool on) { autoAdvance_ = on; }

    // The seconds of each wait begun since the last call, in order; the game timers are not waits.
    std::vector<double> takeWaits() { return std::exchange(waits_, {}); }
    // Called while each wait is on, with its length, before an auto-advance ends it.
    void duringWaits(std::function<void(double seconds)> look) { look_ = std::move(look); }

private:
    struct Wake {
        double when;
        QPointer<QObject> context;
        std::function<void()> action;
    };
    double now_ = 1000.0;
    bool autoAdvance_ = false;
    std::vector<Wake> wakes_;
    std::vector<double> waits_;
    std::function<void(double)> look_;
};
