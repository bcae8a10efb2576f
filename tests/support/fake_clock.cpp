// The hand-driven clock.
#include "tests/support/fake_clock.h"

#include <QTimer>
#include <algorithm>

void FakeClock::wakeAt(double when, QObject* context, std::function<void()> action)
{
    wakes_.push_back({when, context, std::move(action)});
    if (autoAdvance_)
        QTimer::singleShot(0, context, [this, when] { advance(std::max(0.0, when - now_)); });
}

void FakeClock::advance(double seconds)
{
    const double target = now_ + seconds;
    for (;;) {
        auto next = std::min_element(wakes_.begin(), wakes_.end(),
                                     [](const Wake& a, const Wake& b) { return a.when < b.when; });
        if (next == wakes_.end() || next->when > target)
            break;
        Wake due = std::move(*next);
        wakes_.erase(next);
        now_ = std::max(now_, due.when);
        if (due.context)
            due.action();
    }
    now_ = target;
}
