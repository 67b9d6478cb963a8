#include "Files.h"
#include "FrameRecords.h"
#include "ExpectedOutput.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {


using QorGroupsFrameTest = SampleInstallation;

TEST_F(QorGroupsFrameTest, NoArgumentsShowsTheUsageAndFails) {
    ProgramResult result = RunCommand("qorgroups", {});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, AsCaptured(std::string(kQorGroupsUsage) + "\n" + kArgumentsIncorrect + "\n"));
    ExpectRunRecords(ReadLogRecords(), {StartRecordText("qorgroups "), kArgumentsIncorrect, EndRecordText(1)});
}

// The start record shows the arguments joined, each with its blank, cut to
// the first 1800 characters.
struct ParameterCase {
    const char* name;
    std::vector<std::string> arguments;
    size_t shownLength;
};

class StartRecordParameterTest : public SampleInstallation, public ::testing::WithParamInterface<ParameterCase> {};

TEST_P(StartRecordParameterTest, ShowsTheJoinedArgumentsUpTo1800Characters) {
    RunCommand("qorgroups", GetParam().arguments);

    std::string joined = "qorgroups ";
    for (const std::string& argument : GetParam().arguments) joined += argument + " ";
    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0].message, StartRecordText(joined.substr(0, GetParam().shownLength)));
}

// "qorgroups " is 10 characters; an argument of n letters and its blank make
// the text n + 11 long.
INSTANTIATE_TEST_SUITE_P(
    Lengths, StartRecordParameterTest,
    ::testing::Values(ParameterCase{"OneShort", {std::string(1788, 'a')}, 1799},
                      ParameterCase{"ExactlyTheLimitKeepsTheLastBlank", {std::string(1789, 'a')}, 1800},
                      ParameterCase{"OneOverLosesTheLastBlank", {std::string(1790, 'a')}, 1800},
                      ParameterCase{"FarOver", {std::string(3000, 'a')}, 1800},
                      ParameterCase{"CutInsideALaterArgument", {"add", "-g", std::string(2000, 'g')}, 1800}),
    [](const ::testing::TestParamInfo<ParameterCase>& info) { return info.param.name; });

// A log that cannot be written changes neither what the user sees nor the
// exit code: the same command lines with the log folder and without.
TEST_F(QorGroupsFrameTest, UnwritableLogChangesNeitherOutputNorExitCode) {
    const std::vector<std::vector<std::string>> lines = {{}, {"query"}, {"add", "-cg", "GROUP", "-notest"}, {"bogus"}};
    std::vector<ProgramResult> logged;
    for (const auto& arguments : lines) logged.push_back(RunCommand("qorgroups", arguments));
    ASSERT_GE(ReadLogRecords().size(), 3 * lines.size());

    RemoveTree(AdapterDir() + "log");
    for (size_t index = 0; index < lines.size(); ++index) {
        ProgramResult unlogged = RunCommand("qorgroups", lines[index]);
        EXPECT_EQ(unlogged.exitCode, logged[index].exitCode) << "line " << index;
        EXPECT_EQ(unlogged.out, logged[index].out) << "line " << index;
        EXPECT_EQ(unlogged.err, logged[index].err) << "line " << index;
    }
    EXPECT_EQ(logged[1].exitCode, 0u) << "the query itself must succeed for this comparison to mean much";
    EXPECT_FALSE(FileExists(AdapterDir() + "log"));
}

}  // namespace
