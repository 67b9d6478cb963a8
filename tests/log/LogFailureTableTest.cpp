// The ways a record can be dropped, beyond those the other log tests show.
// Every failure of the log is silent: the record is lost, nothing is printed,
// and the command goes on.
//
// Rows Wine cannot produce here, and the nearest tests that can:
// - LockFileEx failing: our handle is always opened for reading and writing,
//   and Wine grants the lock to such a handle; it only ever waits. The lock's
//   release on every way out is shown by KilledLockHolderTest and by the
//   writers of ManyWritersTest and SharedLogStressTest, which would hang on a
//   lock left held.
// - GetFileSize failing on an open handle, and SetFilePointer/SetEndOfFile
//   failing while the log is emptied: no file system here fails them on a
//   handle that has just been locked. BackupHeldOpenLeavesTheLogWholeUntil
//   Released shows the branch around them (no emptying without a copy).
// - WriteFile failing or writing only part: only a full disk does that, and
//   the prefix has no small volume. CopyToBackupTest provokes the same short
//   write through its writer seam for the copy, where it matters most: a log
//   emptied after an incomplete copy would lose records.
// - Memory running out while a record is built: the frame tests throw
//   std::bad_alloc through the frame's handlers (FrameHarnessTest), and every
//   hold and lock is a scoped object, so it is given back as the failure
//   leaves.
#include "InProcessLogTest.h"

#include "Files.h"
#include "InstallationKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct UnusableInstallPath {
    const char* name;
    DWORD type;
    std::string data;  // exact bytes; empty type 0 means "no value at all"
};

class UnusableInstallPathTest : public InProcessLogTest, public ::testing::WithParamInterface<UnusableInstallPath> {};

TEST_P(UnusableInstallPathTest, DropsTheRecordSilently) {
    DeleteRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath");
    const UnusableInstallPath& value = GetParam();
    if (value.type != REG_NONE) {
        SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", value.type, value.data);
    }

    WriteRecord("dropped");

    EXPECT_FALSE(FileExists(LogPath()));
}

std::string WithNul(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableInstallPathTest,
    ::testing::Values(UnusableInstallPath{"Absent", REG_NONE, ""},
                      UnusableInstallPath{"Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
                      // 1300 characters and the NUL need 1301 bytes: one more than the log reads.
                      UnusableInstallPath{"LongerThanTheBuffer", REG_SZ, WithNul(std::string(1300, 'a'))}),
    [](const ::testing::TestParamInfo<UnusableInstallPath>& info) { return std::string(info.param.name); });

// Unlike the installation lookups, the log tries the 32-bit view after any
// failure of the 64-bit one, access refused included.
TEST_F(InProcessLogTest, KeyRefusedInThe64BitViewFallsBackToThe32BitView) {
    SetRegistryString(RegistryView::Bits32, kRecoveryManagerKey, "InstallPath", InstallPath());
    DenyRegistryKeyAccess(RegistryView::Bits64, kRecoveryManagerKey);

    WriteRecord("found in the 32-bit view");

    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].message, "found in the 32-bit view");
}

}  // namespace
