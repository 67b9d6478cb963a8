#include "QorGroupsFixture.h"

#include <gtest/gtest.h>

namespace {

using LaunchResultTest = QorGroupsTest;

TEST_F(LaunchResultTest, ClassFailureIsLoggedAndEndsWithOne) {
    ProgramResult result = RunGroups({"query"}, CommandEnvironment(3));

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.err, "");  // the class's own code is for the log alone
    std::vector<std::string> messages = MessagesOf(ReadLogRecords());
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[2], EndRecordText(3));
    EXPECT_EQ(messages[3], EndRecordText(1));
}

TEST_F(LaunchResultTest, JavaMissingGivesTheInterpretersCode) {
    Environment environment = CommandEnvironment();
    environment["PATH"] = "C:\\windows\\system32;C:\\windows";
    ProgramResult result = RunGroups({"query"}, environment);

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_TRUE(JavaReceived().empty());
    // Only the interpreter complains; qorgroups itself prints nothing.
    EXPECT_EQ(result.err.find("qor0"), std::string::npos) << result.err;
    std::vector<std::string> messages = MessagesOf(ReadLogRecords());
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[2], EndRecordText(9009));
    EXPECT_EQ(messages[3], EndRecordText(1));
}

TEST_F(LaunchResultTest, RunsWithoutComspec) {
    Environment environment = CommandEnvironment();
    environment.erase("COMSPEC");
    ProgramResult result = RunGroups({"query"}, environment);

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ClassArguments().size(), 7u);
    EXPECT_EQ(MessagesOf(ReadLogRecords()).size(), 4u);
}

// Wine's system() does not fall back to cmd.exe when COMSPEC names a program
// that is not there: the interpreter cannot be started at all.
TEST_F(LaunchResultTest, InterpreterThatCannotStartIsUnexpected) {
    Environment environment = CommandEnvironment();
    environment["COMSPEC"] = Root() + "\\missing\\cmd.exe";
    ProgramResult result = RunGroups({"query"}, environment);

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.err, PrintedMessage("qor0011 An unexpected error occurred."));
    EXPECT_TRUE(JavaReceived().empty());
    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].message.rfind(StartRecordText("java.exe -cp "), 0), 0u) << records[1].message;
    EXPECT_EQ(records[2].message, "qor0011 An unexpected error occurred.");
    EXPECT_EQ(records[2].sourceFile, kGroupsSource);
    EXPECT_EQ(records[3].message, EndRecordText(1));
}

// The start record is cut, the launch record and the class are not.
TEST_F(LaunchResultTest, LongGroupNameReachesTheClassWhole) {
    std::string name;
    while (name.size() < 3000) name += std::to_string(name.size()) + "-";
    name.resize(3000);
    ProgramResult result = RunGroups({"add", "-cg", name, "-notest"});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> received = JavaReceived();
    ASSERT_FALSE(received.empty());
    const std::string& launchLine = received[0];
    EXPECT_GT(launchLine.size(), 3000u);

    std::vector<std::string> messages = MessagesOf(ReadLogRecords());
    ASSERT_EQ(messages.size(), 4u);
    std::string parameter = ("qorgroups add -cg " + name + " -notest ").substr(0, 1800);
    EXPECT_EQ(messages[0], StartRecordText(parameter));
    EXPECT_EQ(messages[1], StartRecordText(launchLine));
    std::vector<std::string> arguments = ClassArguments();
    ASSERT_EQ(arguments.size(), 7u);
    EXPECT_EQ(arguments[5], name);
    EXPECT_EQ(arguments[6], "-notest");
}

}  // namespace
