#include "InProcessLogTest.h"

#include "Files.h"
#include "InstallationKeys.h"
#include "LogSizeLimit.h"
#include "Win32Owners.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Log bytes of an exact size, made of whole lines, so that what is copied
// and what is appended can be told apart.
std::string LogOfSize(size_t size) {
    std::string bytes;
    const std::string line = "2014/03/05 08:04:09.007 1 ..\\..\\src\\x 1 filler\r\n";
    while (bytes.size() + line.size() <= size) bytes += line;
    bytes.append(size - bytes.size(), '#');
    return bytes;
}

// Opens a file with no sharing at all, as another program that locks it out.
UniqueFile OpenExclusively(const std::string& path, DWORD disposition) {
    return UniqueFile(
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The only record in `bytes`, which must be one whole record of this process.
void ExpectOneRecord(const std::string& bytes, const std::string& message) {
    std::vector<LogRecord> records = ParseLogRecords(bytes);
    ASSERT_EQ(records.size(), 1u) << bytes;
    EXPECT_EQ(records[0].processId, GetCurrentProcessId());
    EXPECT_EQ(records[0].message, message);
}

using CommandLogRotationTest = InProcessLogTest;

TEST_F(CommandLogRotationTest, LogOfExactlyTheLimitIsAppendedTo) {
    const std::string old = LogOfSize(kLogSizeLimit);
    WriteFileBytes(LogPath(), old);

    WriteRecord("appended");

    std::string log = ReadLog();
    ASSERT_GT(log.size(), old.size());
    EXPECT_EQ(log.substr(0, old.size()), old);
    ExpectOneRecord(log.substr(old.size()), "appended");
    EXPECT_FALSE(FileExists(BackupPath()));
}

TEST_F(CommandLogRotationTest, LogOneByteOverTheLimitMovesToTheBackup) {
    const std::string old = LogOfSize(kLogSizeLimit + 1);
    WriteFileBytes(LogPath(), old);
    WriteFileBytes(BackupPath(), "an older backup\r\n");

    WriteRecord("first after rotation");

    EXPECT_EQ(ReadFileBytes(BackupPath()), old);
    ExpectOneRecord(ReadLog(), "first after rotation");
}

TEST_F(CommandLogRotationTest, BackupHeldOpenLeavesTheLogWholeUntilReleased) {
    const std::string old = LogOfSize(kLogSizeLimit + 1);
    WriteFileBytes(LogPath(), old);
    const std::string olderBackup = "an older backup\r\n";
    WriteFileBytes(BackupPath(), olderBackup);

    std::string logWhileHeld;
    {
        UniqueFile held = OpenExclusively(BackupPath(), OPEN_EXISTING);
        ASSERT_TRUE(held.valid());
        WriteRecord("while the backup is held");
        logWhileHeld = ReadLog();
    }

    ASSERT_GT(logWhileHeld.size(), old.size());
    EXPECT_EQ(logWhileHeld.substr(0, old.size()), old);
    ExpectOneRecord(logWhileHeld.substr(old.size()), "while the backup is held");
    EXPECT_EQ(ReadFileBytes(BackupPath()), olderBackup);

    // Still over the limit, so the next record tries again, and now succeeds.
    WriteRecord("after release");
    EXPECT_EQ(ReadFileBytes(BackupPath()), logWhileHeld);
    ExpectOneRecord(ReadLog(), "after release");
}

// Writes all but the last byte it is given, as WriteFile does on a full disk.
BOOL WINAPI WriteShort(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    return WriteFile(file, buffer, bytesToWrite > 0 ? bytesToWrite - 1 : 0, bytesWritten, overlapped);
}

BOOL WINAPI WriteFails(HANDLE, LPCVOID, DWORD, LPDWORD bytesWritten, LPOVERLAPPED) {
    *bytesWritten = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

struct CopyCase {
    const char* name;
    BackupWriter writer;
    bool copied;
};

class CopyToBackupTest : public InProcessLogTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyToBackupTest, IsTrueOnlyWhenEveryByteReadWasWritten) {
    // More than one buffer's worth, ending in a part buffer.
    const std::string old = LogOfSize(5000);
    WriteFileBytes(LogPath(), old);
    UniqueFile log(CreateFileA(LogPath().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(log.valid());
    // The copy starts from the beginning, wherever the handle stands.
    SetFilePointer(log.get(), 0, nullptr, FILE_END);

    EXPECT_EQ(CommandLog::CopyToBackup(log.get(), BackupPath(), GetParam().writer), GetParam().copied);
    if (GetParam().copied) {
        EXPECT_EQ(ReadFileBytes(BackupPath()), old);
    }
    EXPECT_EQ(ReadFileBytes(LogPath()), old);
}

INSTANTIATE_TEST_SUITE_P(Writers, CopyToBackupTest,
                         ::testing::Values(CopyCase{"WholeWrite", &WriteFile, true},
                                           CopyCase{"ShortWrite", &WriteShort, false},
                                           CopyCase{"FailedWrite", &WriteFails, false}),
                         [](const ::testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

TEST_F(InProcessLogTest, CopyToBackupFailsWhenTheBackupCannotBeMade) {
    WriteFileBytes(LogPath(), LogOfSize(100));
    UniqueFile log(CreateFileA(LogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(log.valid());
    EXPECT_FALSE(CommandLog::CopyToBackup(log.get(), AdapterDir() + "no such folder\\sracmd.log.bak"));
}

using CommandLogHoldTest = InProcessLogTest;

bool OpenedByAnotherProgram(const std::string& path) {
    UniqueFile probe = OpenExclusively(path, OPEN_EXISTING);
    if (probe.valid()) return false;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    return true;
}

TEST_F(CommandLogHoldTest, FileStaysOpenWhileAnyHoldLives) {
    {
        CommandLog outer;
        EXPECT_FALSE(FileExists(LogPath())) << "a hold alone must not open the log";
        outer.Write("outer", 1, "first");
        EXPECT_TRUE(OpenedByAnotherProgram(LogPath()));
        {
            CommandLog inner;
            inner.Write("inner", 2, "second");
        }
        EXPECT_TRUE(OpenedByAnotherProgram(LogPath())) << "closed when an inner hold ended";
    }
    EXPECT_FALSE(OpenedByAnotherProgram(LogPath())) << "still open after the last hold ended";

    // The path is kept: with the installation gone from the registry, the
    // next record still finds the log.
    DeleteInstallationKeys();
    WriteRecord("third");

    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].message, "first");
    EXPECT_EQ(records[1].message, "second");
    EXPECT_EQ(records[2].message, "third");
    EXPECT_FALSE(OpenedByAnotherProgram(LogPath()));
}

using CommandLogDroppedTest = InProcessLogTest;

TEST_F(CommandLogDroppedTest, MissingLogFolderWritesNothing) {
    RemoveTree(AdapterDir() + "log");
    WriteRecord("dropped");
    EXPECT_FALSE(FileExists(AdapterDir() + "log"));

    // The location was found, so once the folder is back the log is made.
    MakeDirectories(AdapterDir() + "log");
    WriteRecord("kept");
    ExpectOneRecord(ReadLog(), "kept");
}

TEST_F(CommandLogDroppedTest, MissingInstallationWritesNothingAndIsLookedUpAgain) {
    DeleteInstallationKeys();
    WriteRecord("dropped");
    EXPECT_FALSE(FileExists(LogPath()));

    SetRegistryString(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", InstallPath());
    WriteRecord("kept");
    ExpectOneRecord(ReadLog(), "kept");
}

// Through a real command: a log that cannot be located changes neither what
// the user sees nor the exit code, and the log adds nothing of its own.
using CommandWithoutLogTest = SampleInstallation;

TEST_F(CommandWithoutLogTest, MissingInstallationLogsNothingAndAnswersAlike) {
    const std::vector<std::vector<std::string>> lines = {{"-path"}, {"-version"}, {"-bogus"}};
    std::vector<ProgramResult> logged;
    for (const auto& arguments : lines) logged.push_back(RunCommand("qormodule", arguments));
    ASSERT_FALSE(ReadLog().empty());
    RemoveTree(AdapterDir() + "log");
    MakeDirectories(AdapterDir() + "log");

    DeleteRegistryKey(RegistryView::Bits64, kRecoveryManagerKey);
    for (size_t index = 0; index < lines.size(); ++index) {
        ProgramResult unlogged = RunCommand("qormodule", lines[index]);
        EXPECT_EQ(unlogged.exitCode, logged[index].exitCode) << lines[index][0];
        EXPECT_EQ(unlogged.out, logged[index].out) << lines[index][0];
        EXPECT_EQ(unlogged.err, logged[index].err) << lines[index][0];
    }
    EXPECT_FALSE(FileExists(LogPath()));
}

}  // namespace
