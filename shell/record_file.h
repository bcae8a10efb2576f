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

// Why a record could not be written, as the player is told it.
enum class RecordFault {
    None,
    ReadOnly,  // the file or its directory may not be written ("sola lettura")
    DiskFull,  // no room left ("disco pieno")
    NotAFile,  // a directory, a link or a device lies in the record's place ("non è un file normale")
    Failed,    // any other failure of the file system
};

// The outcome of a write: true when the record is on the disk.
struct RecordWritten {
    RecordFault fault = RecordFault::None;
    explicit operator bool() const { return fault == RecordFault::None; }
};

// The reason in the player's words ("sola lettura"); empty for no fault.
const char* faultWords(RecordFault fault);

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
    // record stay as they were. False, with the reason, if the file could not be written; the record
    // file is then left as it was and the game goes on.
    RecordWritten write(std::string_view name, std::string_view value) const;

    const std::filesystem::path& path() const { return path_; }
    int width() const { return width_; }

    static constexpr int nameLength = 8;

private:
    std::filesystem::path path_;
    std::uint8_t key_;
    int width_;
};

// Tests make the writer fail once `bytes` bytes of the new record are written, with `error` (errno);
// a negative byte count puts the real writer back.
void failRecordWritesAfter(long bytes, int error);

// The name as it is stored: upper case already, cut or padded with blanks to 8 characters.
std::string padName(std::string_view name);
