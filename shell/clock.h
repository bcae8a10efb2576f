// The elapsed-time clock behind every wait and game timer; tests put a hand-driven clock in its place.
#pragma once

#include <QObject>
#include <functional>

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary start; never goes back, whatever the wall clock does at midnight.
    virtual double now() const = 0;
    // Calls `action` once the clock reaches `when`, unless `context` is destroyed first.
    virtual void wakeAt(double when, QObject* context, std::function<void()> action) = 0;

    // The clock the program runs on; a test may install its own for its lifetime.
    static Clock& current();
    static void install(Clock* clock); // nullptr puts the real clock back
};

// A repeating tick on the current clock, like a window timer with an interval in milliseconds.
class Ticker : public QObject {
    Q_OBJECT
public:
    explicit Ticker(QObject* parent = nullptr) : QObject(parent) {}
    // A new interval starts the count afresh; an interval of 0 keeps the tick from firing.
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

signals:
    void tick();

private:
    void schedule();
    int interval_ = 1000;
    bool enabled_ = false;
    unsigned generation_ = 0; // ticks scheduled before a stop are dropped
};
