// A clock the test moves by hand, so waits and timers run without real time passing.
#pragma once

#include "shell/clock.h"

#include <QPointer>
#include <vector>

class FakeClock final : public Clock {
public:
    FakeClock() { Clock::install(this); }
    ~FakeClock() override { Clock::install(nullptr); }

    double now() const override { return now_; }
    void wakeAt(double when, QObject* context, std::function<void()> action) override;

    // Moves the clock on and runs, in time order, everything that was due by then.
    void advance(double seconds);
    // Every wait ends as soon as the event loop runs, the clock jumping to its end.
    void setAutoAdvance(bool on) { autoAdvance_ = on; }
    int pending() const { return static_cast<int>(wakes_.size()); }

private:
    struct Wake {
        double when;
        QPointer<QObject> context;
        std::function<void()> action;
    };
    double now_ = 1000.0;
    bool autoAdvance_ = false;
    std::vector<Wake> wakes_;
};
