// qormodule end to end: the built program run with real command lines against
// the registry of a sample installation, its answer and messages compared as
// bytes, and the command log read back.
#include "Files.h"
#include "InstallationKeys.h"
#include "ExpectedOutput.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kModuleSource[] = "..\\..\\src\\qormodule\\MQorModule";


// The usage text, the frame's empty line and the error, in text-mode bytes.
const std::string kUsageError = std::string(
                                    "Usage : qormodule <option>\r\n"
                                    "  option : -path    Get VDL install path\r\n"
                                    "           -version Get VDL version\r\n"
                                    "\r\n") +
                                kArgumentsIncorrect + "\r\n";

std::string ModuleRecord(const std::string& message) { return DescribedRecord(kModuleSource, message); }
std::string LookupRecord(const std::string& message) { return DescribedRecord(kLookupSource, message); }

std::string StartRecord(const std::string& program, const std::vector<std::string>& arguments) {
    std::string parameter = program + " ";
    for (const std::string& argument : arguments) parameter += argument + " ";
    return ModuleRecord(kStarted + parameter);
}

std::string EndRecord(int code) { return ModuleRecord(kEnded + std::to_string(code)); }

std::string Text(const std::string& text) { return text + std::string(1, '\0'); }

// Where each option reads its answer.
struct OptionSource {
    const char* option;
    const char* key;
    const char* value;
};
const OptionSource kPath{"-path", kModulePathKey, "PathName"};
const OptionSource kVersion{"-version", kModuleVersionKey, "VersionLevel"};

using QorModuleTest = SampleInstallation;

// The stored value as the answer: exactly as stored, on a line of its own.
struct AnswerCase {
    const char* name;
    OptionSource source;
    DWORD type;
    std::string stored;  // the value's exact bytes
    std::string answer;
};

class AnswerTest : public QorModuleTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerTest, PrintsTheStoredTextAlone) {
    const AnswerCase& answerCase = GetParam();
    SetRegistryValue(RegistryView::Bits64, answerCase.source.key, answerCase.source.value, answerCase.type,
                     answerCase.stored);
    ProgramResult result = RunCommand("qormodule", {answerCase.source.option});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, answerCase.answer + "\r\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord("qormodule", {answerCase.source.option}), EndRecord(0)}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, AnswerTest,
    ::testing::Values(AnswerCase{"Version", kVersion, REG_SZ, Text("8.5.0-00"), "8.5.0-00"},
                      AnswerCase{"VersionWithBlanks", kVersion, REG_SZ, Text(" 8.5 (build 7) "), " 8.5 (build 7) "},
                      AnswerCase{"VersionEmpty", kVersion, REG_SZ, Text(""), ""},
                      AnswerCase{"VersionWithoutData", kVersion, REG_SZ, "", ""},
                      // The text ends at its first NUL.
                      AnswerCase{"VersionBeforeNul", kVersion, REG_SZ, Text(std::string("8.5\0junk", 8)), "8.5"},
                      AnswerCase{"Path", kPath, REG_SZ, Text("D:\\Module"), "D:\\Module"},
                      AnswerCase{"PathWithTrailingBackslash", kPath, REG_SZ, Text("D:\\Module\\"), "D:\\Module\\"},
                      AnswerCase{"PathOfTwoCharacters", kPath, REG_SZ, Text("D:"), "D:"},
                      AnswerCase{"PathOfLongestLength", kPath, REG_SZ, Text(std::string(259, 'p')), std::string(259, 'p')}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

// A wrong command line: the usage text, an empty line and the error; the count
// check and the option check each raise from a line of their own.
struct WrongCommandLineCase {
    std::vector<std::string> arguments;
    bool wrongCount;  // else an unrecognised option
};

class WrongCommandLineTest : public QorModuleTest {};

TEST_F(WrongCommandLineTest, PrintsTheUsageAndAnswersNothing) {
    const std::vector<WrongCommandLineCase> cases{
        {{}, true},
        {{"-path", "-version"}, true},
        {{"-path", "x"}, true},
        {{"-version", ""}, true},
        {{"-PATH"}, false},
        {{"-pat"}, false},
        {{"/path"}, false},
        {{"--path"}, false},
        {{"-path "}, false},
        {{" -version"}, false},
        {{"-versions"}, false},
        {{""}, false},
    };
    std::vector<int> countLines;
    std::vector<int> optionLines;
    for (const WrongCommandLineCase& wrong : cases) {
        std::string shown;
        for (const std::string& argument : wrong.arguments) shown += "[" + argument + "]";
        SCOPED_TRACE("arguments " + shown);
        DeleteFileA(LogPath().c_str());

        ProgramResult result = RunCommand("qormodule", wrong.arguments);

        EXPECT_EQ(result.exitCode, 1u);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, kUsageError);
        std::vector<LogRecord> records = ReadLogRecords();
        EXPECT_EQ(DescribeRecords(records), (std::vector<std::string>{StartRecord("qormodule", wrong.arguments),
                                                                ModuleRecord(kArgumentsIncorrect), EndRecord(1)}));
        if (records.size() == 3) (wrong.wrongCount ? countLines : optionLines).push_back(records[1].line);
    }
    ASSERT_FALSE(countLines.empty());
    ASSERT_FALSE(optionLines.empty());
    for (int line : countLines) EXPECT_EQ(line, countLines.front());
    for (int line : optionLines) EXPECT_EQ(line, optionLines.front());
    EXPECT_NE(countLines.front(), optionLines.front());
}

// The module's key missing from both views: the lookup's message alone.
class ModuleNotInstalledTest : public QorModuleTest, public ::testing::WithParamInterface<OptionSource> {};

TEST_P(ModuleNotInstalledTest, PrintsOnlyTheLookupsMessage) {
    DeleteRegistryKey(RegistryView::Bits64, GetParam().key);
    DeleteRegistryKey(RegistryView::Bits32, GetParam().key);
    ProgramResult result = RunCommand("qormodule", {GetParam().option});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(kModuleNotInstalled) + "\r\n");
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord("qormodule", {GetParam().option}), LookupRecord(kModuleNotInstalled),
                                        EndRecord(1)}));
}

INSTANTIATE_TEST_SUITE_P(Options, ModuleNotInstalledTest, ::testing::Values(kPath, kVersion),
                         [](const ::testing::TestParamInfo<OptionSource>& info) {
                             return std::string(info.param.option + 1);
                         });

// A value that is there but cannot be used is an unexpected error.
struct UnusableValueCase {
    const char* name;
    OptionSource source;
    DWORD type;
    std::string stored;
};

class UnusableValueTest : public QorModuleTest, public ::testing::WithParamInterface<UnusableValueCase> {};

TEST_P(UnusableValueTest, ReportsAnUnexpectedError) {
    const UnusableValueCase& unusable = GetParam();
    SetRegistryValue(RegistryView::Bits64, unusable.source.key, unusable.source.value, unusable.type, unusable.stored);
    ProgramResult result = RunCommand("qormodule", {unusable.source.option});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(kUnexpectedError) + "\r\n");
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord("qormodule", {unusable.source.option}),
                                        LookupRecord(kUnexpectedError), EndRecord(1)}));
}

const std::string kNumber("\x2a\0\0\0", 4);

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableValueTest,
    ::testing::Values(UnusableValueCase{"PathAsNumber", kPath, REG_DWORD, kNumber},
                      UnusableValueCase{"VersionAsNumber", kVersion, REG_DWORD, kNumber},
                      UnusableValueCase{"PathExpandable", kPath, REG_EXPAND_SZ, Text("%SystemDrive%\\Module")},
                      UnusableValueCase{"PathTooLong", kPath, REG_SZ, Text(std::string(260, 'p'))},
                      UnusableValueCase{"VersionTooLong", kVersion, REG_SZ, Text(std::string(260, 'v'))},
                      UnusableValueCase{"PathOfOneCharacter", kPath, REG_SZ, Text("D")}),
    [](const ::testing::TestParamInfo<UnusableValueCase>& info) { return std::string(info.param.name); });

TEST_F(QorModuleTest, AKeyWithoutItsValueIsAnUnexpectedError) {
    for (const OptionSource& source : {kPath, kVersion}) {
        SCOPED_TRACE(source.option);
        DeleteRegistryValue(RegistryView::Bits64, source.key, source.value);
        ProgramResult result = RunCommand("qormodule", {source.option});

        EXPECT_EQ(result.exitCode, 1u);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, std::string(kUnexpectedError) + "\r\n");
    }
}

// Without the recovery manager the log has no place: nothing is logged, and
// the module is still reported.
TEST_F(QorModuleTest, AnswersWithoutTheRecoveryManager) {
    DeleteRegistryKey(RegistryView::Bits64, kRecoveryManagerKey);
    DeleteRegistryKey(RegistryView::Bits32, kRecoveryManagerKey);

    ProgramResult version = RunCommand("qormodule", {"-version"});
    EXPECT_EQ(version.exitCode, 0u);
    EXPECT_EQ(version.out, std::string(kSampleVersion) + "\r\n");
    EXPECT_EQ(version.err, "");

    ProgramResult path = RunCommand("qormodule", {"-path"});
    EXPECT_EQ(path.exitCode, 0u);
    EXPECT_EQ(path.out, ModuleDir() + "\r\n");
    EXPECT_EQ(path.err, "");

    EXPECT_FALSE(FileExists(LogPath()));
}

// A failed allocation has no handler of its own here: it is an unexpected
// error, recorded by the frame.
class MemoryExhaustionTest : public QorModuleTest, public ::testing::WithParamInterface<OptionSource> {};

TEST_P(MemoryExhaustionTest, IsReportedAsAnUnexpectedError) {
    ProgramResult result = RunCommand("qormodule_exhausted", {GetParam().option});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(kUnexpectedError) + "\r\n");
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord("qormodule_exhausted", {GetParam().option}),
                                        ModuleRecord(kUnexpectedError), EndRecord(1)}));
}

INSTANTIATE_TEST_SUITE_P(Options, MemoryExhaustionTest, ::testing::Values(kPath, kVersion),
                         [](const ::testing::TestParamInfo<OptionSource>& info) {
                             return std::string(info.param.option + 1);
                         });

}  // namespace
