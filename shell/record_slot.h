// A game's record as the game sees it: who holds it, its value, which way is better, and how it is stored.
#pragma once

#include "shell/record_file.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What a game says about its record; the slot does the rest.
struct RecordRules {
    enum class Better { Higher, Lower };

    RecordScheme scheme;           // file name, scrambling key, value width
    Better better = Better::Higher;
    long long defaultValue = 0;    // shown while no record is stored
    std::string defaultHolder = "CPU";
    // The value as the file keeps it, exactly `scheme.width` characters.
    std::function<std::string(long long)> store;
    // The value a stored text stands for; nothing when the text holds no record (the default stands).
    std::function<std::optional<long long>(std::string_view)> load;
    // The value as the record line shows it; the stored text when not given.
    std::function<std::string(long long)> show = {};
    // The holder as the record line shows it, from the stored name; the name itself when not given.
    std::function<std::string(std::string_view)> holderCaption = {};
    // A file too short to hold a name leaves the holder shown until then (instead of the default holder).
    bool shortFileKeepsHolder = false;
    // A stored name with a value that holds no record still names the holder.
    bool nameWithoutValueCounts = false;
};

class RecordSlot {
public:
    explicit RecordSlot(RecordRules rules);

    // Reads the record file in `directory` (created empty when missing). A value the game cannot
    // read leaves the default record; nothing the file holds can make this fail.
    void read(const std::filesystem::path& directory);
    // The same from the characters a record file holds, already decoded.
    void take(const RecordText& text);

    const std::string& holder() const { return holder_; } // code-page bytes, as the record line shows them
    long long value() const { return value_; }
    bool isDefault() const { return isDefault_; }
    std::string valueCaption() const;
    std::string storedText(long long value) const { return rules_.store(value); }

    // Strictly better than the record: an equal result is no record.
    bool isBeatenBy(long long result) const;

    // Writes the name (upper case already, cut or padded to 8) and the result. On success the slot
    // holds them; when the file cannot be written the slot reads back what the file still holds and
    // the game goes on. False then, with the reason.
    RecordWritten write(const std::filesystem::path& directory, std::string_view name, long long result);
    // Where the record file lies in `directory`.
    std::filesystem::path filePath(const std::filesystem::path& directory) const { return file(directory).path(); }

    const RecordRules& rules() const { return rules_; }

private:
    RecordFile file(const std::filesystem::path& directory) const;

    RecordRules rules_;
    std::string holder_;
    long long value_;
    bool isDefault_ = true;
};
