#include "Files.h"
#include "LogSizeLimit.h"
#include "SampleInstallation.h"
#include "WriterRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWriters = 16;
constexpr int kRecordsPerWriter = 110;
constexpr int kMessageSize = 2000;
// Each rotation lets the log grow to the limit and one record more; written
// bytes beyond three times that force a third rotation at least.
static_assert(static_cast<long long>(kWriters) * kRecordsPerWriter * (kMessageSize + 2) >
                  3LL * (kLogSizeLimit + kMessageSize + 100),
              "too few bytes for three rotations");

// Where the last whole record begins.
size_t SizeBeforeLastRecord(const std::string& bytes) {
    if (bytes.size() < 3) return 0;
    size_t end = bytes.rfind("\r\n", bytes.size() - 3);
    return end == std::string::npos ? 0 : end + 2;
}

using SharedLogStressTest = SampleInstallation;

TEST_F(SharedLogStressTest, SixteenWritersThroughThreeRotations) {
    const std::string startName = "qortest-stress-writers-" + std::to_string(GetCurrentProcessId());
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

    // Whole records only, each ended by CRLF, none broken into by another;
    // the backup begins at a record boundary.
    const std::string backup = ReadFileBytes(BackupPath());
    const std::string log = ReadLog();
    std::vector<LogRecord> kept = ParseLogRecords(backup);
    std::vector<LogRecord> logRecords = ParseLogRecords(log);
    kept.insert(kept.end(), logRecords.begin(), logRecords.end());
    ASSERT_FALSE(HasFailure());

    // Since the oldest record kept, every writer's records are all there, in
    // the order written.
    std::map<std::string, int> firstKept = CheckWritersConsecutive(kept, kRecordsPerWriter);
    EXPECT_EQ(firstKept.size(), static_cast<size_t>(kWriters));
    EXPECT_LT(kept.size(), static_cast<size_t>(kWriters * kRecordsPerWriter)) << "an older backup should be gone";

    EXPECT_GT(backup.size(), static_cast<size_t>(kLogSizeLimit));
    EXPECT_LE(SizeBeforeLastRecord(backup), static_cast<size_t>(kLogSizeLimit));
    EXPECT_LE(SizeBeforeLastRecord(log), static_cast<size_t>(kLogSizeLimit));
}

}  // namespace
