// The record fuzzer: every game's record file read and written with generated files and names, in
// process; no crash, no read past the record's bound, and what a game writes reads back as written.
#include "app/game_list.h"
#include "shell/record_file.h"
#include "shell/record_slot.h"
#include "shell/text_formats.h"
#include "tests/support/dice.h"
#include "tests/support/temp_working_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A file of a megabyte in the record's place: reading it must take no more than the record.
constexpr std::size_t hugeFile = 1 << 20;

// The first bytes of a file, for the failure message.
std::string hex(std::string_view bytes)
{
    std::string out;
    for (unsigned char c : bytes.substr(0, 64))
        out += "0123456789abcdef"[c >> 4] + std::string(1, "0123456789abcdef"[c & 15]);
    return out + " (" + std::to_string(bytes.size()) + " bytes)";
}

// A private directory on a memory file system where there is one: a million records are written.
fs::path freshDirectory(const std::string& name)
{
    const fs::path base = fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm")
                                                                                         : fs::temp_directory_path();
    const fs::path dir = base / ("toatoa-fuzz-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

class RecordFuzzer {
public:
    RecordFuzzer(RecordRules rules, std::uint64_t seed, const std::string& name)
        : rules_(std::move(rules)), seed_(seed), dir_(freshDirectory(name)),
          path_(dir_ / rules_.scheme.fileName), width_(rules_.scheme.width)
    {
        gatherValues();
    }
    ~RecordFuzzer() { fs::remove_all(dir_); }

    // Tries inputs `first` to `first + count - 1`; each one depends only on the seed and its number.
    void run(long long first, long long count)
    {
        ASSERT_GT(width_, 0);
        for (long long i = first; i < first + count; ++i) {
            tryInput(i);
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "input " << i << " of seed " << seed_ << "; replay it with TOATOA_FUZZ_SEED=" << seed_
                              << " TOATOA_FUZZ_FIRST=" << i << " TOATOA_FUZZ_INPUTS=1";
                return;
            }
        }
    }

    std::size_t valuesFound() const { return values_.size(); }

private:
    // Values the game reads from texts its file may hold and can write back in the value's width:
    // the results a write is tried with.
    void gatherValues()
    {
        Dice dice(seed_);
        // The file holds at most the value's width.
        auto tryText = [&](const std::string& whole) {
            const std::string text = whole.substr(0, static_cast<std::size_t>(width_));
            const std::optional<long long> value = rules_.load(text);
            if (!value || std::find(values_.begin(), values_.end(), *value) != values_.end() || values_.size() >= 512)
                return;
            const std::string again = rules_.store(*value);
            if (again.size() != static_cast<std::size_t>(width_))
                return;
            // What the game writes reads back as written.
            EXPECT_EQ(rules_.load(again), value) << "\"" << text << "\" is stored as \"" << again << "\"";
            values_.push_back(*value);
        };
        tryText(rules_.store(rules_.defaultValue));
        long long most = 1;
        for (int i = 0; i < std::min(width_, 12); ++i)
            most *= 10;
        for (int i = 0; i < 4000; ++i) {
            const long long n = static_cast<long long>(dice.next() % static_cast<std::uint64_t>(most));
            tryText(text::rightAligned(n, width_));
            std::string zeros = std::to_string(n);
            zeros.insert(0, static_cast<std::size_t>(std::max(0, width_ - static_cast<int>(zeros.size()))), '0');
            tryText(zeros);
            tryText(textLike(dice));
        }
    }

    // A value text made of what record values are written with.
    std::string textLike(Dice& dice) const
    {
        static const char alphabet[] = " 0123456789:.-";
        std::string text;
        for (int i = 0; i < width_; ++i)
            text += alphabet[dice.below(sizeof alphabet - 1)];
        return text;
    }

    std::string randomName(Dice& dice, long long i) const
    {
        std::string name;
        for (int n = dice.below(13); n > 0; --n)
            name += static_cast<char>(dice.below(256));
        // Every byte value turns up in the first place of a name in turn.
        if (!name.empty())
            name[0] = static_cast<char>(i & 0xFF);
        return name;
    }

    std::string validRecord(Dice& dice, long long i) const
    {
        std::string value = values_.empty() || dice.chance(20) ? textLike(dice)
                                                               : rules_.store(values_[dice.next() % values_.size()]);
        return TempWorkingDir::scrambled(padName(randomName(dice, i)) + value, rules_.scheme.key);
    }

    static void mutate(Dice& dice, std::string& bytes)
    {
        for (int n = 1 + dice.below(3); n > 0; --n) {
            const std::size_t at = bytes.empty() ? 0 : dice.next() % (bytes.size() + 1);
            switch (dice.below(6)) {
            case 0:
                if (at < bytes.size())
                    bytes[at] = static_cast<char>(bytes[at] ^ (1 << dice.below(8)));
                break;
            case 1:
                if (at < bytes.size())
                    bytes[at] = static_cast<char>(dice.below(256));
                break;
            case 2:
                bytes.resize(at);
                break;
            case 3:
                bytes.insert(at, 1, static_cast<char>(dice.below(256)));
                break;
            case 4:
                bytes.erase(at, 1);
                break;
            default:
                for (int k = dice.below(20); k > 0; --k)
                    bytes += static_cast<char>(dice.below(256));
                break;
            }
        }
    }

    // The file an input puts in the record's place.
    std::string generate(Dice& dice, long long i) const
    {
        const int longest = RecordFile::nameLength + width_ + 16;
        switch (i % 4) {
        case 0: { // random bytes, every length in turn
            std::string bytes(static_cast<std::size_t>(i / 4 % (longest + 1)), '\0');
            for (char& c : bytes)
                c = static_cast<char>(dice.below(256));
            return bytes;
        }
        case 1: {
            std::string bytes = validRecord(dice, i);
            mutate(dice, bytes);
            return bytes;
        }
        case 2: { // a good record and bytes after it
            std::string bytes = validRecord(dice, i);
            for (int k = dice.below(17); k > 0; --k)
                bytes += static_cast<char>(dice.below(256));
            return bytes;
        }
        default: // a record cut short anywhere
            return validRecord(dice, i).substr(0, static_cast<std::size_t>(dice.below(longest + 1)));
        }
    }

    // Puts the input in the record's place (now and then nothing at all); a link, a directory or a pipe
    // there is the record files' own test.
    std::string lay(long long i, const std::string& bytes)
    {
        std::error_code error;
        fs::remove(path_, error);
        if (i % 997 == 5)
            return {};
        std::string laid = bytes;
        if (i % 50021 == 17)
            laid.resize(hugeFile, 'x');
        putBytes(path_, laid);
        return laid;
    }

    void tryInput(long long i)
    {
        Dice dice(seed_ * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(i));
        const std::string generated = generate(dice, i);
        const std::string before = lay(i, generated);
        SCOPED_TRACE("file " + hex(before));

        // The file's own reading: exactly the name and the value, never a byte past them.
        const RecordFile file(dir_, rules_.scheme.fileName, rules_.scheme.key, width_);
        const RecordText text = file.read();
        ASSERT_LE(text.name.size(), static_cast<std::size_t>(RecordFile::nameLength));
        ASSERT_LE(text.value.size(), static_cast<std::size_t>(width_));
        const std::string decoded = TempWorkingDir::scrambled(before.substr(0, RecordFile::nameLength + width_), rules_.scheme.key);
        ASSERT_EQ(text.name, decoded.substr(0, std::min<std::size_t>(decoded.size(), RecordFile::nameLength)));
        ASSERT_EQ(text.value, decoded.size() > RecordFile::nameLength ? decoded.substr(RecordFile::nameLength) : "");

        // The game's reading: the value shown is the one its rules find in the text, or the default.
        // One slot reads every input in turn, as a window reads its record at each new game.
        RecordSlot& slot = reading_;
        slot.read(dir_);
        const std::optional<long long> stored = rules_.load(text.value);
        ASSERT_EQ(slot.isDefault(), !stored);
        ASSERT_EQ(slot.value(), stored.value_or(rules_.defaultValue));
        if (!stored && !rules_.nameWithoutValueCounts && !rules_.shortFileKeepsHolder) {
            ASSERT_EQ(slot.holder(), rules_.defaultHolder) << "a file with no record keeps the default holder";
        }
        ASSERT_FALSE(slot.isBeatenBy(slot.value())) << "a result equal to the record beats it";
        ASSERT_TRUE(slot.isBeatenBy(slot.value() + (rules_.better == RecordRules::Better::Higher ? 1 : -1)))
            << "a better result is no record";
        (void)slot.valueCaption();
        if (stored) {
            // A record the game reads and can write in the value's width, it writes back the same.
            const std::string again = rules_.store(*stored);
            if (again.size() == static_cast<std::size_t>(width_)) {
                ASSERT_EQ(rules_.load(again), stored) << "stored as \"" << again << "\"";
            }
        }

        // Two inputs in sixteen, a good record with bytes after it and a record cut short, also write a
        // record over what lies there.
        if ((i % 16 == 2 || i % 16 == 3) && !values_.empty())
            tryWrite(dice, i, before);
    }

    void tryWrite(Dice& dice, long long i, const std::string& before)
    {
        const std::string name = randomName(dice, i);
        const long long result = values_[dice.next() % values_.size()];
        RecordSlot writer(rules_);
        writer.read(dir_);
        const bool written = static_cast<bool>(writer.write(dir_, name, result));
        ASSERT_TRUE(written);
        const std::string padded = padName(name);
        const std::string storedText = rules_.store(result);
        ASSERT_EQ(storedText.size(), static_cast<std::size_t>(width_));
        const std::string after = bytesOf(path_);
        const std::size_t recordSize = RecordFile::nameLength + static_cast<std::size_t>(width_);
        ASSERT_EQ(after.substr(0, recordSize), TempWorkingDir::scrambled(padded + storedText, rules_.scheme.key));
        if (before.size() > recordSize && before.size() <= recordSize + 4096) {
            ASSERT_EQ(after.substr(recordSize), before.substr(recordSize)) << "the bytes after the record were lost";
        }

        RecordSlot reader(rules_);
        reader.read(dir_);
        ASSERT_FALSE(reader.isDefault());
        ASSERT_EQ(reader.value(), result);
        ASSERT_EQ(writer.value(), result);
        ASSERT_EQ(reader.holder(), writer.holder());
        ASSERT_EQ(reader.valueCaption(), writer.valueCaption());
    }

    RecordRules rules_;
    std::uint64_t seed_;
    fs::path dir_;
    fs::path path_;
    int width_;
    std::vector<long long> values_;
    RecordSlot reading_{rules_};
};

struct FuzzLength {
    std::uint64_t seed = static_cast<std::uint64_t>(fromEnvironment("TOATOA_FUZZ_SEED", 20261206));
    long long first = fromEnvironment("TOATOA_FUZZ_FIRST", 0);
    long long inputs = fromEnvironment("TOATOA_FUZZ_INPUTS", 20000);
};

class RecordFuzz : public ::testing::TestWithParam<int> {};

TEST_P(RecordFuzz, AnyFileReadsWithinItsBoundAndWhatTheGameWritesReadsBack)
{
    const GameEntry game = toatoaGames()[static_cast<std::size_t>(GetParam())];
    if (!game.record)
        GTEST_SKIP() << "a game that keeps no record";
    const FuzzLength length;
    RecordFuzzer fuzzer(game.record(), length.seed, game.name.toStdString());
    EXPECT_GT(fuzzer.valuesFound(), 0u) << "no stored text the game reads as a record was found";
    fuzzer.run(length.first, length.inputs);
}

INSTANTIATE_TEST_SUITE_P(Games, RecordFuzz, ::testing::Range(0, static_cast<int>(toatoaGames().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return toatoaGames()[static_cast<std::size_t>(info.param)].name.toStdString();
                         });

} // namespace
