// The two waits of the games: `TempoP`, which keeps events flowing, and the hold, which takes no input.
#pragma once

class GameWindow;

// Lets the window system run (paint, clicks, timers) until `seconds` have passed on the clock.
// False when the window began closing meanwhile: the caller must return at once.
bool TempoP(GameWindow& window, double seconds);

// Keeps painting but handles no click or key on the window for `seconds` (a banner is on show).
// A close asked for meanwhile is honoured when the hold ends. False when the window is closing.
bool hold(GameWindow& window, double seconds);
