// Reading and writing the scrambled record files, safely against crashes and bad bytes.
#include "shell/record_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <fstream>
#include <system_error>
#include <vector>

namespace {

// Bytes that an older file kept after the record are carried over up to this many; a file larger
// than any record file ever written is garbage and loses its tail.
constexpr std::streamsize keptTail = 4096;

std::string readBytes(const std::filesystem::path& path, std::streamoff from, std::streamsize most)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    in.seekg(from);
    std::string bytes(static_cast<std::size_t>(most), '\0');
    in.read(bytes.data(), most);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The whole content reaches the disk before the caller renames the file into place.
bool writeDurably(const std::filesystem::path& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

RecordFile::RecordFile(std::filesystem::path directory, std::string fileName, std::uint8_t key, int width)
    : path_(std::move(directory) / std::move(fileName)), key_(key), width_(width)
{
}

RecordText RecordFile::read() const
{
    std::error_code error;
    const auto status = std::filesystem::status(path_, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        std::ofstream create(path_, std::ios::binary);
        return {};
    }
    if (status.type() != std::filesystem::file_type::regular)
        return {};

    std::string bytes = readBytes(path_, 0, nameLength + width_);
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<unsigned char>(byte) ^ key_);
    RecordText text;
    text.name = bytes.substr(0, std::min<std::size_t>(bytes.size(), nameLength));
    if (bytes.size() > nameLength)
        text.value = bytes.substr(nameLength);
    return text;
}

bool RecordFile::write(std::string_view name, std::string_view value) const
{
    std::string record = padName(name);
    std::string field(value.substr(0, static_cast<std::size_t>(width_)));
    field.resize(static_cast<std::size_t>(width_), ' ');
    record += field;
    for (char& byte : record)
        byte = static_cast<char>(static_cast<unsigned char>(byte) ^ key_);

    std::error_code error;
    if (std::filesystem::is_regular_file(path_, error))
        record += readBytes(path_, static_cast<std::streamoff>(record.size()), keptTail);

    std::filesystem::path temporary = path_;
    temporary += ".new";
    if (!writeDurably(temporary, record)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, path_, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

std::string padName(std::string_view name)
{
    std::string padded(name.substr(0, RecordFile::nameLength));
    padded.resize(RecordFile::nameLength, ' ');
    return padded;
}

std::string rightAligned(long long number, int width)
{
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
    return digits;
}

long long numericValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > 100'000'000'000LL)
            break;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}
