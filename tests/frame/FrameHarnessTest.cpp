#include "FrameRecords.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The harness case and its arguments, with what the user must see.
struct FailureCase {
    const char* name;
    const char* frameCase;
    const char* message;
};

class FrameFailureTest : public SampleInstallation, public ::testing::WithParamInterface<FailureCase> {
protected:
    ProgramResult Run(const std::vector<std::string>& arguments) {
        Environment environment = CommandEnvironment();
        environment["QORTEST_FRAME_CASE"] = GetParam().frameCase;
        std::vector<std::string> all{"frame_harness"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return RunProgram(ProgramPath("frame_harness"), JoinCommandLine(all), environment, Root());
    }
};

TEST_P(FrameFailureTest, PrintsItsMessageAndEndsTheRunWithOne) {
    ProgramResult result = Run({"query"});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, AsCaptured(std::string(GetParam().message) + "\n"));
    ExpectRunRecords(ReadLogRecords(), {StartRecordText("frame_harness query "), GetParam().message, EndRecordText(1)});
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FrameFailureTest,
    ::testing::Values(
        FailureCase{"OutOfMemory", "bad_alloc", "qor0012 A memory allocation failed."},
        // A frame without a memory handler reports it as any other failure.
        FailureCase{"OutOfMemoryUnreported", "bad_alloc_unreported", "qor0011 An unexpected error occurred."},
        FailureCase{"StandardException", "runtime_error", "qor0011 An unexpected error occurred."},
        FailureCase{"NoException", "int", "qor0011 An unexpected error occurred."}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// A caller that the rights check refuses learns only that, whatever the
// command line: qorgroups' own grammar never gets to see it.
struct RefusedLine {
    const char* name;
    std::vector<std::string> arguments;
};

class RefusedCallerTest : public SampleInstallation, public ::testing::WithParamInterface<RefusedLine> {};

TEST_P(RefusedCallerTest, SeesOnlyTheInsufficientPermissionsMessage) {
    Environment environment = CommandEnvironment();
    environment["QORTEST_FRAME_CASE"] = "refuse";
    std::vector<std::string> all{"frame_harness"};
    all.insert(all.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    ProgramResult result = RunProgram(ProgramPath("frame_harness"), JoinCommandLine(all), environment, Root());

    const std::string refused = "qor0013 This command was unable to run due to insufficient permissions.";
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, refused + "\r\n");
    std::string parameterText;
    for (const std::string& argument : all) parameterText += argument + " ";
    ExpectRunRecords(ReadLogRecords(), {StartRecordText(parameterText), refused, EndRecordText(1)});
    EXPECT_TRUE(JavaReceived().empty()) << "the adapter class ran for a refused caller";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedCallerTest,
    ::testing::Values(RefusedLine{"NoArguments", {}}, RefusedLine{"Query", {"query"}},
                      RefusedLine{"AddGroup", {"add", "-cg", "GROUP", "-notest"}},
                      RefusedLine{"UnknownSubCommand", {"bogus"}},
                      RefusedLine{"TooManyArguments", {"query", "-detail", "a", "b", "c"}}),
    [](const ::testing::TestParamInfo<RefusedLine>& info) { return info.param.name; });

}  // namespace
