// The clock line of a timed game: minutes and seconds between the pieces "Tempo:" and ":", read as one
// "Tempo: 03:15", and the tick that moves it on once a second.
#pragma once

#include <QObject>
#include <QString>

class Form;
class Label;
class Ticker;

class ClockLine : public QObject {
    Q_OBJECT
public:
    // The minutes and seconds labels come from the window's listing; the caption and the colon
    // are pieces there, since the minutes label reads the whole line.
    ClockLine(QObject* parent, const Form& form, const QString& minutes = QStringLiteral("Minuti"),
              const QString& seconds = QStringLiteral("secondi"));

    // Shows `seconds` as mm:ss, two digits each; minutes go past 59.
    void show(long long seconds);
    // Ticks once a second from now on, the first tick a whole second away.
    void start();
    void stop();
    bool isRunning() const;

signals:
    void second();

private:
    Label* minutes_;
    Label* seconds_;
    Ticker* ticker_;
};
