// The clock line: the two fields of mm:ss, what a screen reader hears of them, and the tick behind them.
#include "shell/clock_line.h"

#include "shell/clock.h"
#include "shell/controls/accessible.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/text_formats.h"

ClockLine::ClockLine(QObject* parent, const Form& form, const QString& minutes, const QString& seconds)
    : QObject(parent), minutes_(form.label(minutes)), seconds_(form.label(seconds)), ticker_(new Ticker(this))
{
    ticker_->setInterval(1000);
    connect(ticker_, &Ticker::tick, this, &ClockLine::second);
    show(0);
}

void ClockLine::show(long long seconds)
{
    minutes_->setCaption(QString::fromStdString(text::twoDigits(seconds / 60)));
    seconds_->setCaption(QString::fromStdString(text::twoDigits(seconds % 60)));
    accessible::setName(minutes_, QStringLiteral("Tempo: %1:%2").arg(minutes_->caption(), seconds_->caption()));
}

void ClockLine::start()
{
    // Stopped first, so the first second of a new count is a whole one.
    ticker_->setEnabled(false);
    ticker_->setEnabled(true);
}

void ClockLine::stop() { ticker_->setEnabled(false); }

bool ClockLine::isRunning() const { return ticker_->isEnabled(); }
