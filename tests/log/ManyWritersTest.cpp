#include "Files.h"
#include "LogSizeLimit.h"
#include "SampleInstallation.h"
#include "WriterRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWriters = 8;
constexpr int kRecordsPerWriter = 160;
constexpr int kMessageSize = 2000;

// Where the last record of whole records begins.
size_t SizeBeforeLastRecord(const std::string& bytes) {
    if (bytes.size() < 3) return 0;
    size_t end = bytes.rfind("\r\n", bytes.size() - 3);
    return end == std::string::npos ? 0 : end + 2;
}

using ManyWritersTest = SampleInstallation;

// Eight processes write at once, enough for two rotations at least. Whatever
// order the lock is granted in, every record lands whole, none is lost
// between a copy and the emptying, and each crossing of the limit rotates
// exactly once.
TEST_F(ManyWritersTest, RecordsStayWholeAndInOrderAcrossRotations) {
    const std::string startName = "qortest-log-writers-" + std::to_string(GetCurrentProcessId());
    UniqueHandle start(CreateEventA(nullptr, TRUE, FALSE, startName.c_str()));
    ASSERT_TRUE(start.valid());

    std::vector<RunningProgram> writers;
    for (int index = 0; index < kWriters; ++index) {
        std::string line = JoinCommandLine({"log_writer", WriterTag(index), std::to_string(kRecordsPerWriter),
                                            std::to_string(kMessageSize), startName});
        writers.emplace_back(ProgramPath("log_writer"), line, CurrentEnvironment(), Root());
    }
    SetEvent(start.get());
    for (RunningProgram& writer : writers) {
        ProgramResult result = writer.Wait();
        EXPECT_EQ(result.exitCode, 0u) << result.err;
    }

    const std::string backup = ReadFileBytes(BackupPath());
    const std::string log = ReadLog();
    std::vector<LogRecord> backupRecords = ParseLogRecords(backup);
    std::vector<LogRecord> logRecords = ParseLogRecords(log);
    ASSERT_FALSE(backupRecords.empty()) << "never rotated";
    ASSERT_FALSE(HasFailure());

    std::vector<LogRecord> kept = backupRecords;
    kept.insert(kept.end(), logRecords.begin(), logRecords.end());
    std::map<std::string, int> firstKept = CheckWritersConsecutive(kept, kRecordsPerWriter);
    EXPECT_EQ(firstKept.size(), static_cast<size_t>(kWriters));

    // Fewer records kept than written: an earlier backup was replaced, so the
    // log rotated twice at least.
    EXPECT_LT(kept.size(), static_cast<size_t>(kWriters * kRecordsPerWriter));

    // Rotated as soon as it passed the limit, and not again before: without
    // its last record the backup was within the limit.
    EXPECT_GT(backup.size(), static_cast<size_t>(kLogSizeLimit));
    EXPECT_LE(SizeBeforeLastRecord(backup), static_cast<size_t>(kLogSizeLimit));
    EXPECT_LE(SizeBeforeLastRecord(log), static_cast<size_t>(kLogSizeLimit));
}

}  // namespace
