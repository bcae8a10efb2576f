// The Poker record: the holder and score read from "\rcpkr.dat", and the value text written back.
#pragma once

#include <string>
#include <string_view>

struct PokerRecord {
    std::string holder = "CPU"; // as `nome` shows it
    int value = 0;              // 0 when there is no record yet
    // What `recpk` shows: the value in six digits, "000000" when there is no record.
    std::string valueCaption() const;
};

// Width of the score field of the record file.
inline constexpr int pokerRecordValueWidth = 6;

// The record from the decoded characters of the file (name bytes, then the value). A file too
// short to hold a name leaves the holder shown until now; a value that is not positive is no record.
PokerRecord readPokerRecord(std::string_view fileText, std::string_view holderShown);
// The holder as `nome` shows it: the stored name cut at its first blank.
std::string recordHolderCaption(std::string_view storedName);
// The score as the six characters of the file; a score of a million or more, which six digits
// cannot hold, is kept as 999999.
std::string pokerRecordValueText(int score);
