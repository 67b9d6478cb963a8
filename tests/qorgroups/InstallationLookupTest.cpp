#include "QorGroupsFixture.h"

#include "InstallationKeys.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

namespace {

constexpr char kRecoveryManagerMissing[] = "qor0407 VMware Site Recovery Manager is not installed.";
constexpr char kModuleMissing[] = "qor0410 Aldren Tessavar Manager Vardel Module is not installed.";
constexpr char kUnexpected[] = "qor0011 An unexpected error occurred.";

// A text of exactly `length` characters that begins with `start`.
std::string TextOfLength(const std::string& start, size_t length) {
    std::string text = start;
    text.resize(length, 'p');
    return text;
}

class InstallationLookupTest;

struct LookupCase {
    const char* name;
    std::function<void(const InstallationLookupTest&)> arrange;
    // The failure printed; empty when the class is started.
    const char* failure;
    // False where the recovery manager value is changed so that the log is
    // elsewhere or nowhere.
    bool logAtSample;
    // What the class receives as its first two arguments, when it runs.
    std::function<std::string(const InstallationLookupTest&)> adapterDir;
    std::function<std::string(const InstallationLookupTest&)> moduleArgument;
};

// Failures name the case rather than dump its bytes.
void PrintTo(const LookupCase& testCase, std::ostream* out) { *out << testCase.name; }

class InstallationLookupTest : public QorGroupsTest, public ::testing::WithParamInterface<LookupCase> {};

using Arrangement = std::function<void(const InstallationLookupTest&)>;
using ExpectedText = std::function<std::string(const InstallationLookupTest&)>;

LookupCase Fails(const char* name, Arrangement arrange, const char* failure, bool logAtSample) {
    return LookupCase{name, arrange, failure, logAtSample, nullptr, nullptr};
}

std::string SampleAdapterDir(const InstallationLookupTest& test) { return test.AdapterDir(); }
std::string SampleModuleArgument(const InstallationLookupTest& test) { return test.ModuleDir() + "\\"; }

TEST_P(InstallationLookupTest, QueryFindsBothInstallations) {
    const LookupCase& lookup = GetParam();
    lookup.arrange(*this);
    ProgramResult result = RunGroups({"query"});

    if (*lookup.failure == '\0') {
        EXPECT_EQ(result.exitCode, 0u);
        EXPECT_EQ(result.err, "");
        std::vector<std::string> arguments = ClassArguments();
        ASSERT_EQ(arguments.size(), 7u);
        EXPECT_EQ(arguments[0], lookup.adapterDir(*this));
        EXPECT_EQ(arguments[1], lookup.moduleArgument(*this));
        EXPECT_EQ(arguments[2], "");
        EXPECT_EQ(arguments[3], "query");
    } else {
        EXPECT_EQ(result.exitCode, 1u);
        EXPECT_EQ(result.err, PrintedMessage(lookup.failure));
        EXPECT_TRUE(JavaReceived().empty());
    }
    if (!lookup.logAtSample) return;

    std::vector<LogRecord> records = ReadLogRecords();
    if (*lookup.failure == '\0') {
        EXPECT_EQ(records.size(), 4u);
        return;
    }
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].message, StartRecordText("qorgroups query "));
    EXPECT_EQ(records[1].sourceFile, kLookupSource);
    EXPECT_EQ(records[1].message, lookup.failure);
    EXPECT_EQ(records[2].message, EndRecordText(1));
}

void SetInstallPath(const std::string& text) {
    SetRegistryString(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", text);
}
void SetPathName(const std::string& text) {
    SetRegistryString(RegistryView::Bits64, kModulePathKey, "PathName", text);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, InstallationLookupTest,
    ::testing::Values(
        LookupCase{"Sample", [](const InstallationLookupTest&) {}, "", true, SampleAdapterDir, SampleModuleArgument},
        LookupCase{"RecoveryManagerOnlyIn32BitView",
                   [](const InstallationLookupTest& test) {
                       DeleteRegistryKey(RegistryView::Bits64, kRecoveryManagerKey);
                       SetRegistryString(RegistryView::Bits32, kRecoveryManagerKey, "InstallPath",
                                         test.InstallPath());
                   },
                   "", true, SampleAdapterDir, SampleModuleArgument},
        LookupCase{"ModuleOnlyIn32BitView",
                   [](const InstallationLookupTest& test) {
                       DeleteRegistryKey(RegistryView::Bits64, kModulePathKey);
                       SetRegistryString(RegistryView::Bits32, kModulePathKey, "PathName", test.ModuleDir());
                   },
                   "", true, SampleAdapterDir, SampleModuleArgument},
        LookupCase{"BothViews64BitWins",
                   [](const InstallationLookupTest& test) {
                       SetRegistryString(RegistryView::Bits32, kRecoveryManagerKey, "InstallPath",
                                         test.Root() + "\\Other\\");
                       SetRegistryString(RegistryView::Bits32, kModulePathKey, "PathName", test.Root() + "\\Other");
                   },
                   "", true, SampleAdapterDir, SampleModuleArgument},
        // Without the recovery manager's key the log cannot be found either.
        Fails("RecoveryManagerKeyMissing",
                   [](const InstallationLookupTest&) {
                       DeleteRegistryKey(RegistryView::Bits64, kRecoveryManagerKey);
                   },
                   kRecoveryManagerMissing, false),
        Fails("ModuleKeyMissing",
                   [](const InstallationLookupTest&) { DeleteRegistryKey(RegistryView::Bits64, kModulePathKey); },
                   kModuleMissing, true),
        // The recovery manager is looked up first.
        Fails("BothKeysMissing", [](const InstallationLookupTest&) { DeleteInstallationKeys(); },
                   kRecoveryManagerMissing, false),
        // "Not installed" is decided by the key alone.
        Fails("InstallPathMissing",
                   [](const InstallationLookupTest&) {
                       DeleteRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath");
                   },
                   kUnexpected, false),
        Fails("PathNameMissing",
                   [](const InstallationLookupTest&) {
                       DeleteRegistryValue(RegistryView::Bits64, kModulePathKey, "PathName");
                   },
                   kUnexpected, true),
        Fails("InstallPathExpandable",
                   [](const InstallationLookupTest& test) {
                       std::string text = test.InstallPath();
                       SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", REG_EXPAND_SZ,
                                        std::string(text.c_str(), text.size() + 1));
                   },
                   kUnexpected, false),
        Fails("PathNameExpandable",
                   [](const InstallationLookupTest& test) {
                       std::string text = test.ModuleDir();
                       SetRegistryValue(RegistryView::Bits64, kModulePathKey, "PathName", REG_EXPAND_SZ,
                                        std::string(text.c_str(), text.size() + 1));
                   },
                   kUnexpected, true),
        Fails("PathNameDword",
                   [](const InstallationLookupTest&) {
                       SetRegistryValue(RegistryView::Bits64, kModulePathKey, "PathName", REG_DWORD,
                                        std::string("C:\\M", 4));
                   },
                   kUnexpected, true),
        Fails("InstallPathDword",
                   [](const InstallationLookupTest&) {
                       SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", REG_DWORD,
                                        std::string("C:\\", 4));
                   },
                   kUnexpected, false),
        Fails("InstallPathOfThreeBytes", [](const InstallationLookupTest&) { SetInstallPath("C:"); },
                   kUnexpected, false),
        LookupCase{"InstallPathOfFourBytes", [](const InstallationLookupTest&) { SetInstallPath("C:\\"); }, "",
                   false, [](const InstallationLookupTest&) { return std::string("C:\\storage\\sra\\VelcoraTessavarManager\\"); },
                   SampleModuleArgument},
        Fails("PathNameOfTwoBytes", [](const InstallationLookupTest&) { SetPathName("M"); }, kUnexpected, true),
        LookupCase{"PathNameOfThreeBytes", [](const InstallationLookupTest&) { SetPathName("M:"); }, "", true,
                   SampleAdapterDir, [](const InstallationLookupTest&) { return std::string("M:\\"); }},
        LookupCase{"PathNameOf259Characters",
                   [](const InstallationLookupTest& test) { SetPathName(TextOfLength(test.ModuleDir(), 259)); }, "",
                   true, SampleAdapterDir,
                   [](const InstallationLookupTest& test) { return TextOfLength(test.ModuleDir(), 259) + "\\"; }},
        Fails("PathNameOf260Characters",
                   [](const InstallationLookupTest& test) { SetPathName(TextOfLength(test.ModuleDir(), 260)); },
                   kUnexpected, true),
        // The suffix follows directly; the log is then looked for there too.
        LookupCase{"InstallPathWithoutTrailingBackslash",
                   [](const InstallationLookupTest& test) { SetInstallPath(test.Root() + "\\SRM"); }, "", false,
                   [](const InstallationLookupTest& test) {
                       return test.Root() + "\\SRMstorage\\sra\\VelcoraTessavarManager\\";
                   },
                   SampleModuleArgument}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

}  // namespace
