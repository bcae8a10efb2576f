// The Poker record: the holder and score read from "\rcpkr.dat", and the value text written back.
#include "games/poker/poker_record.h"

#include <algorithm>

namespace {

constexpr std::size_t nameWidth = 8;
constexpr int largestStoredValue = 999999;

// The leading whole number of a text, blanks before it skipped; 0 when there is none.
int leadingNumber(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

} // namespace

std::string PokerRecord::valueCaption() const { return pokerRecordValueText(value); }

PokerRecord readPokerRecord(std::string_view fileText, std::string_view holderShown)
{
    PokerRecord record;
    record.holder = fileText.size() >= nameWidth ? recordHolderCaption(fileText.substr(0, nameWidth))
                                                 : std::string(holderShown);
    if (fileText.size() > nameWidth)
        record.value = leadingNumber(fileText.substr(nameWidth, pokerRecordValueWidth));
    return record;
}

std::string recordHolderCaption(std::string_view storedName)
{
    const std::string_view name = storedName.substr(0, std::min(storedName.size(), nameWidth));
    return std::string(name.substr(0, name.find(' ')));
}

std::string pokerRecordValueText(int score)
{
    const std::string digits = std::to_string(std::clamp(score, 0, largestStoredValue));
    return std::string(pokerRecordValueWidth - digits.size(), '0') + digits;
}
