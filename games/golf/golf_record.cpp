// The record of Zidu Dori: how the round total is stored and read back.
#include "games/golf/golf_record.h"

#include "shell/text_formats.h"

RecordRules golfRecordRules()
{
    return {{"rcdglf.dat", 0x5C, 4},
            RecordRules::Better::Lower,
            999,
            "CPU",
            [](long long total) { return text::signedNumber(total, 3); },
            [](std::string_view stored) { return text::readSignedNumber(stored.substr(0, 4)); }};
}
