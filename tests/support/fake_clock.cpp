// The hand-driven clock.
#include "tests/support/fake_clock.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

void FakeClock::wakeAt(double when, QObject* context, std::function<void()> action)
{
    wakes_.push_back({when, context, std::move(action)});
    // A wait runs a local event loop of its own; a timer's tick has its owner as context.
    const bool wait = qobject_cast<QEventLoop*>(context) != nullptr;
    if (wait)
        waits_.push_back(when - now_);
    if (wait && look_)
        QTimer::singleShot(0, context, [this, when] { look_(when - now_); });
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
