// The record as every game shows it: the record line, the announcement of a new record, the name box,
// and the writing through the game's record slot.
#pragma once

#include "shell/record_slot.h"

#include <QObject>
#include <QString>
#include <vector>

class Form;
class GameWindow;
class Label;
class QWidget;
class RecordEntry;

// Where the listing puts the record's controls, by their names.
struct RecordPanelLayout {
    std::vector<const char*> line;     // the record line's labels, left to right ("Record:", value, holder, ...)
    const char* value = "";            // the label that shows the value
    const char* holder = "";           // the label that shows who holds it
    std::vector<const char*> announce; // shown over the table while a name is asked (banner parts, plaque)
    const char* box = "";              // the name box
    // After a name is written the line shows the new holder at once; the value waits for the next reading.
    bool valueWaitsForReading = false;
};

class RecordPanel : public QObject {
    Q_OBJECT
public:
    RecordPanel(GameWindow& window, const Form& form, const RecordPanelLayout& layout, RecordRules rules);
    ~RecordPanel() override;

    // Reads the record file and shows the line.
    void read();
    // Strictly better than the record: an equal result is no record.
    bool isBeatenBy(long long result) const { return slot_.isBeatenBy(result); }
    // A finished game beat the record with `result`: the announcement and the name box appear, the
    // box takes the keyboard. The result is fixed now.
    void offer(long long result);
    // A new game: the announcement and the box go away; no name is pending any more.
    void withdraw();
    bool isPending() const;

    const RecordSlot& slot() const { return slot_; }
    // The record line as the slot holds it, spoken in one form: "Record: " and the line's words.
    void showLine();

signals:
    // The name was taken: written, or (false) the file could not be written and the line shows what it holds.
    void written(bool ok);

private:
    void showHolder();
    void speakLine();
    void nameWritten(bool ok);

    GameWindow& window_;
    RecordSlot slot_;
    std::vector<Label*> line_;
    Label* value_;
    Label* holder_;
    std::vector<QWidget*> announce_;
    RecordEntry* entry_;
    bool valueWaitsForReading_;
};
