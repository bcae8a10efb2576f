// Reading and writing the scrambled record files, safely against crashes and bad bytes.
#include "shell/record_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Bytes that an older file kept after the record are carried over up to this many; a file larger
// than any record file ever written is garbage and loses its tail.
constexpr std::size_t keptTail = 4096;

// Opens the record for reading without ever following a link; -1 unless it is a regular file.
int openRegular(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string readBytes(const std::filesystem::path& path, off_t from, std::size_t most)
{
    const int fd = openRegular(path);
    if (fd < 0)
        return {};
    std::string bytes(most, '\0');
    std::size_t done = 0;
    while (done < most) {
        const ssize_t n = ::pread(fd, bytes.data() + done, most - done, from + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

struct InjectedFault {
    long after = -1;
    int error = 0;
};
InjectedFault& injected()
{
    static InjectedFault fault;
    return fault;
}

// ::write, unless a test has asked for a failure part-way.
ssize_t writeSome(int fd, const char* bytes, std::size_t count, std::size_t done)
{
    const InjectedFault fault = injected();
    if (fault.after >= 0) {
        const auto limit = static_cast<std::size_t>(fault.after);
        if (done >= limit) {
            errno = fault.error;
            return -1;
        }
        count = std::min(count, limit - done);
    }
    return ::write(fd, bytes, count);
}

RecordFault faultOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return RecordFault::ReadOnly;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return RecordFault::DiskFull;
    case ELOOP:
    case EISDIR:
    case ENOTDIR:
        return RecordFault::NotAFile;
    default:
        return RecordFault::Failed;
    }
}

// A write killed halfway leaves its temporary beside the record: "rcfis.dat.Ab12Cd". The next good
// write of the same record removes such leftovers of the player's own, and nothing else.
void removeLeftovers(const std::filesystem::path& target)
{
    const std::string prefix = target.filename().string() + ".";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const bool temporaryName = std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                                               [](unsigned char c) { return std::isalnum(c) != 0; });
        struct stat info {};
        if (temporaryName && ::lstat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::getuid())
            ::unlink(entry.path().c_str());
    }
}

// Writes the bytes to a new file of our own beside `target`, fully on the disk, and returns its path;
// empty when that fails, with errno saying why. The file is made afresh under a unique name, so
// nothing already lying there (a stale file, a link planted under a guessable name) is ever written
// through or removed.
std::string writeBeside(const std::filesystem::path& target, const std::string& bytes, mode_t mode)
{
    std::string name = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {};
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = writeSome(fd, bytes.data() + done, bytes.size() - done, done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (n == 0)
            errno = ENOSPC;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(name.c_str());
        errno = error;
        return {};
    }
    return name;
}

// The permissions a file made now would get.
mode_t freshFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

RecordFile::RecordFile(std::filesystem::path directory, std::string fileName, std::uint8_t key, int width)
    : path_(std::move(directory) / std::move(fileName)), key_(key), width_(width)
{
}

RecordText RecordFile::read() const
{
    // A link in the record's place is treated like an unreadable file: nothing is read or created through it.
    struct stat info {};
    if (::lstat(path_.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0)
                ::close(fd);
        }
        return {};
    }
    if (!S_ISREG(info.st_mode))
        return {};

    std::string bytes = readBytes(path_, 0, static_cast<std::size_t>(nameLength + width_));
    for (char& byte : bytes)
        byte = static_cast<char>(static_cast<unsigned char>(byte) ^ key_);
    RecordText text;
    text.name = bytes.substr(0, std::min<std::size_t>(bytes.size(), nameLength));
    if (bytes.size() > nameLength)
        text.value = bytes.substr(nameLength);
    return text;
}

RecordWritten RecordFile::write(std::string_view name, std::string_view value) const
{
    std::string record = padName(name);
    std::string field(value.substr(0, static_cast<std::size_t>(width_)));
    field.resize(static_cast<std::size_t>(width_), ' ');
    record += field;
    for (char& byte : record)
        byte = static_cast<char>(static_cast<unsigned char>(byte) ^ key_);

    // A file the player has made read-only keeps its record; the new one takes the old one's permissions.
    mode_t mode = freshFileMode();
    struct stat old {};
    if (::lstat(path_.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return {RecordFault::NotAFile};
        if (::access(path_.c_str(), W_OK) != 0)
            return {RecordFault::ReadOnly};
        mode = old.st_mode & 07777;
        record += readBytes(path_, static_cast<off_t>(record.size()), keptTail);
    }

    const std::string temporary = writeBeside(path_, record, mode);
    if (temporary.empty())
        return {faultOf(errno)};
    if (::rename(temporary.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return {faultOf(error)};
    }
    removeLeftovers(path_);
    return {};
}

const char* faultWords(RecordFault fault)
{
    switch (fault) {
    case RecordFault::None:
        return "";
    case RecordFault::ReadOnly:
        return "sola lettura";
    case RecordFault::DiskFull:
        return "disco pieno";
    case RecordFault::NotAFile:
        return "non è un file normale";
    case RecordFault::Failed:
        break;
    }
    return "errore di scrittura";
}

void failRecordWritesAfter(long bytes, int error) { injected() = {bytes, error}; }

std::string padName(std::string_view name)
{
    std::string padded(name.substr(0, RecordFile::nameLength));
    padded.resize(RecordFile::nameLength, ' ');
    return padded;
}
