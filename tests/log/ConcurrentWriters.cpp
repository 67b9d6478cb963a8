#include "ConcurrentWriters.h"

#include "Files.h"
#include "LogSizeLimit.h"
#include "ProgramRunner.h"
#include "SampleInstallation.h"
#include "WriterRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Where the last whole record begins.
size_t SizeBeforeLastRecord(const std::string& bytes) {
    if (bytes.size() < 3) return 0;
    size_t end = bytes.rfind("\r\n", bytes.size() - 3);
    return end == std::string::npos ? 0 : end + 2;
}

}  // namespace

void RunWritersAndCheckTheLog(const ConcurrentWriters& run, const std::string& root, const std::string& logPath) {
    const std::string startName = "qortest-log-writers-" + std::to_string(GetCurrentProcessId());
    UniqueHandle start(CreateEventA(nullptr, TRUE, FALSE, startName.c_str()));
    ASSERT_TRUE(start.valid());

    std::vector<RunningProgram> writers;
    for (int index = 0; index < run.writers; ++index) {
        std::string line = JoinCommandLine({"log_writer", WriterTag(index), std::to_string(run.recordsPerWriter),
                                            std::to_string(run.messageSize), startName});
        writers.emplace_back(ProgramPath("log_writer"), line, CurrentEnvironment(), root);
    }
    SetEvent(start.get());
    for (RunningProgram& writer : writers) {
        ProgramResult result = writer.Wait();
        EXPECT_EQ(result.exitCode, 0u) << result.err;
    }

    const std::string backup = ReadFileBytes(logPath + ".bak");
    const std::string log = ReadFileBytes(logPath);
    std::vector<LogRecord> kept = ParseLogRecords(backup);
    ASSERT_FALSE(kept.empty()) << "never rotated";
    std::vector<LogRecord> logRecords = ParseLogRecords(log);
    kept.insert(kept.end(), logRecords.begin(), logRecords.end());
    ASSERT_FALSE(::testing::Test::HasFailure());

    std::map<std::string, int> firstKept = CheckWritersConsecutive(kept, run.recordsPerWriter);
    EXPECT_EQ(firstKept.size(), static_cast<size_t>(run.writers));
    EXPECT_LT(kept.size(), static_cast<size_t>(run.writers * run.recordsPerWriter))
        << "an older backup should be gone";

    EXPECT_GT(backup.size(), static_cast<size_t>(kLogSizeLimit));
    EXPECT_LE(SizeBeforeLastRecord(backup), static_cast<size_t>(kLogSizeLimit));
    EXPECT_LE(SizeBeforeLastRecord(log), static_cast<size_t>(kLogSizeLimit));
}
