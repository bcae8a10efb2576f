// The record files: exact bytes, creation on reading, and no crash or loss whatever is on the disk.
#include "shell/codepage.h"
#include "shell/record_file.h"
#include "tests/support/temp_working_dir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The names in a directory, sorted.
std::vector<std::string> namesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RecordFiles : public ::testing::Test {
protected:
    void TearDown() override { fs::permissions(dir, fs::perms::owner_all); }
    TempWorkingDir temporary;
    const fs::path dir = temporary.path().toStdString();
};

TEST_F(RecordFiles, MissingFileIsCreatedEmptyAndReadsAsNoRecord)
{
    RecordFile file(dir, "rcfis.dat", 0x5C, 2);
    const RecordText text = file.read();
    EXPECT_EQ(text.name, "");
    EXPECT_EQ(text.value, "");
    ASSERT_TRUE(fs::exists(dir / "rcfis.dat"));
    EXPECT_EQ(fs::file_size(dir / "rcfis.dat"), 0u);
}

// The bytes of a record, the bytes after it, huge and garbage files, links, directories and pipes in
// its place are the record fuzzer's; here are the faults of the disk and the directory.
// A directory or a pipe in the record's place: no record, no wait on the pipe, and no write over either.
TEST_F(RecordFiles, ADirectoryOrAPipeInPlaceOfTheFileGivesNoRecordAndRefusesTheWrite)
{
    fs::create_directories(dir / "rcfis.dat");
    ASSERT_EQ(::mkfifo((dir / "rcmgh.dat").c_str(), 0600), 0);
    for (const char* name : {"rcfis.dat", "rcmgh.dat"}) {
        RecordFile file(dir, name, 0x5C, 2);
        EXPECT_EQ(file.read().value, "") << name;
        EXPECT_EQ(file.write("X", " 3").fault, RecordFault::NotAFile) << name;
    }
    EXPECT_TRUE(fs::is_directory(dir / "rcfis.dat"));
    EXPECT_TRUE(fs::is_fifo(dir / "rcmgh.dat"));
}

TEST_F(RecordFiles, AnUnusableDirectoryCostsTheRecordButNothingElse)
{
    // A plain file where the directory should be: nothing can be created in it, even by root.
    putBytes(dir / "notadir", "x");
    RecordFile file(dir / "notadir", "rcfis.dat", 0x5C, 2);
    EXPECT_EQ(file.read().value, "");
    EXPECT_FALSE(file.write("X", " 3"));
    EXPECT_EQ(bytesOf(dir / "notadir"), "x");
}

TEST_F(RecordFiles, AFailedWriteLeavesTheOldRecordWholeAndNoDebris)
{
    RecordFile file(dir, "rcfis.dat", 0x5C, 2);
    ASSERT_TRUE(file.write("FIRST", " 9"));
    // A full disk, as far as this process can tell: no file may grow past 4 bytes.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const RecordWritten full = file.write("SECOND", " 2");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    // The same, failing part-way inside the writer itself.
    failRecordWritesAfter(5, ENOSPC);
    const RecordWritten partWay = file.write("THIRD", " 3");
    failRecordWritesAfter(-1, 0);

    EXPECT_EQ(full.fault, RecordFault::DiskFull);
    EXPECT_EQ(partWay.fault, RecordFault::DiskFull);
    EXPECT_EQ(file.read().name, "FIRST   ");
    EXPECT_EQ(file.read().value, " 9");
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"rcfis.dat"});
}

// A directory the player may not write in: root may write anywhere, so the write is tried by an
// ordinary user in a child process then.
TEST_F(RecordFiles, AReadOnlyDirectoryIsToldAsSuch)
{
    RecordFile file(dir, "rcfis.dat", 0x5C, 2);
    ASSERT_TRUE(file.write("FIRST", " 9"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir / "rcfis.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                           fs::perms::others_read | fs::perms::others_write);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(9);
        ::_exit(static_cast<int>(file.write("SECOND", " 2").fault));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(RecordFault::ReadOnly));
    EXPECT_EQ(file.read().name, "FIRST   ");
    EXPECT_EQ(std::string(faultWords(RecordFault::ReadOnly)), "sola lettura");
}

// A link in the record's place, whatever it points at, is read as no record and never followed.
TEST_F(RecordFiles, ALinkInTheRecordsPlaceIsNeitherFollowedNorCreatedThrough)
{
    const fs::path outside = dir / "outside";
    fs::create_directories(outside);
    putBytes(outside / "secret.txt", "SECRETSECRETSECRET");

    struct Case {
        const char* what;
        fs::path target;
    };
    for (const Case& c : {Case{"dangling", outside / "created-by-mistake"}, Case{"to a file", outside / "secret.txt"},
                          Case{"to a directory", outside}}) {
        SCOPED_TRACE(c.what);
        fs::remove(dir / "rcfis.dat");
        fs::create_symlink(c.target, dir / "rcfis.dat");
        RecordFile file(dir, "rcfis.dat", 0x5C, 2);
        const RecordText text = file.read();
        EXPECT_EQ(text.name, "");
        EXPECT_EQ(text.value, "");
        EXPECT_FALSE(file.write("X", " 3"));
        EXPECT_TRUE(fs::is_symlink(dir / "rcfis.dat"));
        EXPECT_FALSE(fs::exists(outside / "created-by-mistake"));
        EXPECT_EQ(bytesOf(outside / "secret.txt"), "SECRETSECRETSECRET");
    }
    EXPECT_EQ(namesIn(outside), std::vector<std::string>{"secret.txt"});
}

TEST_F(RecordFiles, LeftoversOfAKilledWriteGoWithTheNextGoodWriteAndNothingElseDoes)
{
    for (const char* name : {"rcfis.dat.Ab12Cd", "rcfis.dat.zzzzzz"})
        putBytes(dir / name, "half");
    putBytes(dir / "rcfis.dat.keep", "not ours: wrong length");
    putBytes(dir / "rcfis.dat.ab-12c", "not ours: not a temporary's name");
    putBytes(dir / "rcmgh.dat.Ab12Cd", "another game's");
    putBytes(dir / "precious.txt", "precious");
    fs::create_symlink(dir / "precious.txt", dir / "rcfis.dat.Lnk123");
    RecordFile file(dir, "rcfis.dat", 0x5C, 2);
    ASSERT_TRUE(file.write("X", " 3"));

    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"precious.txt", "rcfis.dat", "rcfis.dat.Lnk123", "rcfis.dat.ab-12c",
                                               "rcfis.dat.keep", "rcmgh.dat.Ab12Cd"}));
    EXPECT_EQ(bytesOf(dir / "precious.txt"), "precious");
}

TEST_F(RecordFiles, AWriteKeepsTheFilesPermissions)
{
    RecordFile file(dir, "rcfis.dat", 0x5C, 2);
    ASSERT_TRUE(file.write("A", " 5"));
    fs::permissions(dir / "rcfis.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(file.write("B", " 4"));
    EXPECT_EQ(fs::status(dir / "rcfis.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Each byte of the code page is the shared pieces' test; here a name as a whole.
TEST(RecordNames, OnlyWhatTheCodePageHoldsAndCasedWithinIt)
{
    EXPECT_FALSE(codepage::isWestern(QChar(u'ł')));
    EXPECT_EQ(codepage::upperWestern(QStringLiteral("niccolò")), QStringLiteral("NICCOLÒ"));
    EXPECT_EQ(codepage::upperWestern(QStringLiteral("straße")).size(), 6);
    const QString name = QStringLiteral("ÀÉ€œ");
    EXPECT_EQ(codepage::fromWestern(codepage::toWestern(name)), name);
}

} // namespace
