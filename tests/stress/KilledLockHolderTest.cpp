#include "SampleInstallation.h"
#include "WriterRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kRecords = 20;

using KilledLockHolderTest = SampleInstallation;

// A command killed while it holds the log's lock must not stop the others:
// the system releases the lock with the dead process's handle.
TEST_F(KilledLockHolderTest, NextWriterGoesOnAndTheLogStaysWellFormed) {
    const std::string lockedName = "qortest-lock-held-" + std::to_string(GetCurrentProcessId());
    UniqueHandle locked(CreateEventA(nullptr, TRUE, FALSE, lockedName.c_str()));
    ASSERT_TRUE(locked.valid());

    RunningProgram holder(ProgramPath("lock_holder"), JoinCommandLine({"lock_holder", LogPath(), lockedName}),
                          CurrentEnvironment(), Root());
    HANDLE waitFor[] = {locked.get(), holder.Process()};
    ASSERT_EQ(WaitForMultipleObjects(2, waitFor, FALSE, 10000), WAIT_OBJECT_0) << "the holder never took the lock";

    RunningProgram writer(ProgramPath("log_writer"),
                          JoinCommandLine({"log_writer", WriterTag(1), std::to_string(kRecords), "100"}),
                          CurrentEnvironment(), Root());
    EXPECT_EQ(WaitForSingleObject(writer.Process(), 300), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the writer did not wait for the lock";

    ASSERT_TRUE(TerminateProcess(holder.Process(), 1));
    holder.Wait();
    if (WaitForSingleObject(writer.Process(), 10000) != WAIT_OBJECT_0) {
        TerminateProcess(writer.Process(), 1);
        FAIL() << "the writer is still waiting for the dead holder's lock";
    }
    EXPECT_EQ(writer.Wait().exitCode, 0u);

    std::vector<LogRecord> records = ReadLogRecords();
    EXPECT_EQ(records.size(), static_cast<size_t>(kRecords));
    EXPECT_EQ(CheckWritersConsecutive(records, kRecords)[WriterTag(1)], 1);
}

}  // namespace
