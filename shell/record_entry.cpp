// The shared name entry: upper case, code-page characters, at most eight, one name per record.
#include "shell/record_entry.h"

#include "shell/codepage.h"
#include "shell/controls/text_box.h"
#include "shell/game_window.h"
#include "shell/record_slot.h"

RecordEntry::RecordEntry(GameWindow& window, TextBox& box, RecordSlot& slot)
    : QObject(&window), window_(window), box_(box), slot_(slot)
{
    connect(&box_, &TextBox::keyPress, this, &RecordEntry::rci_KeyPress);
    box_.setAccessibleName(QStringLiteral("Nuovo record: scrivi il tuo nome"));
}

void RecordEntry::offer(long long result)
{
    pending_ = true;
    result_ = result;
    box_.setEnabled(true);
    box_.show();
    box_.raise();
    box_.setFocus();
    box_.selectAll();
}

void RecordEntry::withdraw()
{
    pending_ = false;
    if (box_.hasFocus())
        window_.setFocus();
    box_.hide();
    box_.setEnabled(true);
}

void RecordEntry::rci_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !pending_)
        return;
    pending_ = false;
    box_.setEnabled(false);
    box_.setText(codepage::upperWestern(box_.text()));
    const std::string name = padName(codepage::toWestern(box_.text()));
    fault_ = slot_.write(window_.recordDirectory(), name, result_).fault;
    emit written(fault_ == RecordFault::None);
}
