// The record slot: the stored record read, compared and written by one set of rules per game.
#include "shell/record_slot.h"

#include <utility>

RecordSlot::RecordSlot(RecordRules rules)
    : rules_(std::move(rules)), holder_(rules_.defaultHolder), value_(rules_.defaultValue)
{
}

RecordFile RecordSlot::file(const std::filesystem::path& directory) const
{
    return RecordFile(directory, rules_.scheme.fileName, rules_.scheme.key, rules_.scheme.width);
}

void RecordSlot::read(const std::filesystem::path& directory) { take(file(directory).read()); }

void RecordSlot::take(const RecordText& text)
{
    const std::optional<long long> stored = rules_.load(text.value);
    const bool hasName = text.name.size() >= RecordFile::nameLength;
    const std::string shown = rules_.holderCaption ? rules_.holderCaption(text.name) : text.name;

    isDefault_ = !stored;
    value_ = stored.value_or(rules_.defaultValue);
    if (stored || (rules_.nameWithoutValueCounts && hasName))
        holder_ = shown;
    else if (hasName || !rules_.shortFileKeepsHolder)
        holder_ = rules_.defaultHolder;
}

std::string RecordSlot::valueCaption() const { return rules_.show ? rules_.show(value_) : rules_.store(value_); }

bool RecordSlot::isBeatenBy(long long result) const
{
    return rules_.better == RecordRules::Better::Higher ? result > value_ : result < value_;
}

RecordWritten RecordSlot::write(const std::filesystem::path& directory, std::string_view name, long long result)
{
    const std::string padded = padName(name);
    const RecordWritten written = file(directory).write(padded, rules_.store(result));
    if (!written) {
        read(directory);
        return written;
    }
    holder_ = rules_.holderCaption ? rules_.holderCaption(padded) : padded;
    value_ = result;
    isDefault_ = false;
    return written;
}
