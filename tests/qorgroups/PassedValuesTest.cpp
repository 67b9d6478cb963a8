#include "QorGroupsFixture.h"

#include "InstallationKeys.h"

#include <gtest/gtest.h>

namespace {

class GroupNameTest : public QorGroupsTest, public ::testing::WithParamInterface<std::string> {};

// Backslashes before the closing quote would otherwise escape it and merge
// the name with the suboption.
TEST_P(GroupNameTest, ReachesTheClassUnchanged) {
    ProgramResult result = RunGroups({"add", "-cg", GetParam(), "-notest"});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(ClassArguments(), (std::vector<std::string>{AdapterDir(), ModuleDir() + "\\", "", "add", "-cg",
                                                          GetParam(), "-notest"}));
}

INSTANTIATE_TEST_SUITE_P(Names, GroupNameTest,
                         ::testing::Values("GRP1\\", "GRP1\\\\", "\\", "a\\b", "\\\\server\\share\\", "a b\\"));

using ModuleDirTest = QorGroupsTest;

TEST_F(ModuleDirTest, TrailingBackslashGainsOneAndSwallowsNothing) {
    const std::string stored = ModuleDir() + "\\";
    SetRegistryString(RegistryView::Bits64, kModulePathKey, "PathName", stored);
    ProgramResult result = RunGroups({"remove", "-g", "GRP1"});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(JavaArguments(),
              (std::vector<std::string>{"-cp", AdapterDir() + "SrmAdapter.jar",
                                        "-Dcom.velcora.aldren.qvx.vdl.sysprop=" + stored + "\\sys\\sys.properties",
                                        kCopyGroupClass, AdapterDir(), stored + "\\", "", "remove", "-g", "GRP1",
                                        ""}));
}

}  // namespace
