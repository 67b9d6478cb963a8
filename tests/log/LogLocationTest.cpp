#include "InProcessLogTest.h"

#include "Files.h"
#include "InstallationKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using LogLocationTest = InProcessLogTest;

TEST_F(LogLocationTest, FallsBackToThe32BitView) {
    DeleteRegistryKey(RegistryView::Bits64, kRecoveryManagerKey);
    SetRegistryString(RegistryView::Bits32, kRecoveryManagerKey, "InstallPath", InstallPath());

    WriteRecord("found in the 32-bit view");

    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].message, "found in the 32-bit view");
}

TEST_F(LogLocationTest, PrefersThe64BitView) {
    RemoveTree(Root() + "\\other");
    MakeDirectories(Root() + "\\other\\" + kAdapterSubdirectory + "log");
    SetRegistryString(RegistryView::Bits32, kRecoveryManagerKey, "InstallPath", Root() + "\\other\\");

    WriteRecord("found in the 64-bit view");

    EXPECT_EQ(ReadLogRecords().size(), 1u);
    EXPECT_FALSE(FileExists(Root() + "\\other\\" + kAdapterSubdirectory + "log\\sracmd.log"));
}

TEST_F(LogLocationTest, ExpandableStringIsRefused) {
    std::string path = InstallPath();
    SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", REG_EXPAND_SZ,
                     std::string(path.c_str(), path.size() + 1));

    WriteRecord("dropped");

    EXPECT_FALSE(FileExists(LogPath()));
}

// InstallPath values at the shortest boundary, on the root of drive C:, whose
// log folder this fixture makes and removes.
class ShortInstallPathTest : public InProcessLogTest {
protected:
    void SetUp() override {
        InProcessLogTest::SetUp();
        if (IsSkipped()) return;
        ASSERT_FALSE(FileExists(kStorage)) << "C:\\storage exists already; not ours to remove";
        MakeDirectories(std::string("C:\\") + kAdapterSubdirectory + "log");
        madeStorage_ = true;
        // "C:storage\..." is taken relative to drive C's current folder; from
        // the root it is the folder above, so a wrongly accepted value would
        // write there.
        char previous[MAX_PATH];
        GetCurrentDirectoryA(sizeof previous, previous);
        previousDirectory_ = previous;
        SetCurrentDirectoryA("C:\\");
    }

    void TearDown() override {
        if (!previousDirectory_.empty()) SetCurrentDirectoryA(previousDirectory_.c_str());
        if (madeStorage_) RemoveTree(kStorage);
        InProcessLogTest::TearDown();
    }

    static std::string RootLogPath() { return std::string("C:\\") + kAdapterSubdirectory + "log\\sracmd.log"; }

    static constexpr char kStorage[] = "C:\\storage";

private:
    std::string previousDirectory_;
    bool madeStorage_ = false;
};

TEST_F(ShortInstallPathTest, DriveAndColonAloneIsRefused) {
    SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", REG_SZ, std::string("C:\0", 3));

    WriteRecord("dropped");

    EXPECT_FALSE(FileExists(RootLogPath()));
}

TEST_F(ShortInstallPathTest, DriveColonAndBackslashIsAccepted) {
    SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", REG_SZ, std::string("C:\\\0", 4));

    WriteRecord("at the root");

    std::vector<LogRecord> records = ParseLogRecords(ReadFileBytes(RootLogPath()));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].message, "at the root");
}

}  // namespace
