// The name entry every game shares: the box appears when a record is beaten and takes one name on Enter.
#pragma once

#include "shell/record_file.h"

#include <QObject>

class GameWindow;
class RecordSlot;
class TextBox;

class RecordEntry : public QObject {
    Q_OBJECT
public:
    // The entry writes into `slot` through the window's record directory; all three outlive it.
    RecordEntry(GameWindow& window, TextBox& box, RecordSlot& slot);

    // A finished game beat the record with `result`: the box appears enabled with its last name
    // selected (typing replaces it, Enter alone keeps it) and takes the keyboard. The result is kept
    // now, so nothing done after the game's end changes what is written.
    void offer(long long result);
    // A new game: no name is pending any more, the box is hidden and gives up the keyboard; it keeps its text.
    void withdraw();
    bool isPending() const { return pending_; }
    long long result() const { return result_; }
    // Why the last name could not be written; None when it was.
    RecordFault fault() const { return fault_; }

    // The box's key press: Enter takes the name once, while a record is pending.
    void rci_KeyPress(int keyAscii);

signals:
    // The name was taken: written, or (false) the file could not be written and the slot shows what it holds.
    void written(bool ok);

private:
    GameWindow& window_;
    TextBox& box_;
    RecordSlot& slot_;
    bool pending_ = false;
    long long result_ = 0;
    RecordFault fault_ = RecordFault::None;
};
