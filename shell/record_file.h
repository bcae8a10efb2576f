// A game's record file: an 8-byte name and a value of fixed width, every byte scrambled with the game's key.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Which file a game keeps its record in, the key its bytes are scrambled with, and the value's width.
struct RecordScheme {
    const char* fileName;
    std::uint8_t key;
    int width;
};

// The text read back from a record file: the first eight characters are the name, the next ones the value.
struct RecordText {
    std::string name;  // up to 8 characters; fewer when the file is short
    std::string value; // the characters after the name, at most the value's width
};

class RecordFile {
public:
    RecordFile(std::filesystem::path directory, std::string fileName, std::uint8_t key, int width);

    // Reads the record; a missing file is created empty. Any failure (unreadable, a directory in its
    // place, no permission) reads as an empty record, so the game shows its default.
    RecordText read() const;

    // Writes the 8-byte name and the value (padded or cut to the width), replacing the file in one
    // step so that a crash never leaves half a record. Bytes an older, longer file kept after the
    // record stay as they were. False if the file could not be written; the game goes on.
    bool write(std::string_view name, std::string_view value) const;

    const std::filesystem::path& path() const { return path_; }
    int width() const { return width_; }

    static constexpr int nameLength = 8;

private:
    std::filesystem::path path_;
    std::uint8_t key_;
    int width_;
};

// The name as it is stored: upper case already, cut or padded with blanks to 8 characters.
std::string padName(std::string_view name);
