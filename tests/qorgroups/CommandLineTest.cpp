#include "QorGroupsFixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct AcceptedLine {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<std::string> handedOn;  // sub-command, option, group name, suboption
};

// Failures name the case rather than dump its bytes.
void PrintTo(const AcceptedLine& testCase, std::ostream* out) { *out << testCase.name; }

class AcceptedLineTest : public QorGroupsTest, public ::testing::WithParamInterface<AcceptedLine> {};

TEST_P(AcceptedLineTest, ClassReceivesTheFourValues) {
    const AcceptedLine& line = GetParam();
    ProgramResult result = RunGroups(line.arguments);

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> expected{AdapterDir(), ModuleDir() + "\\", ""};
    expected.insert(expected.end(), line.handedOn.begin(), line.handedOn.end());
    EXPECT_EQ(ClassArguments(), expected);
    EXPECT_EQ(ReadLogRecords().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AcceptedLineTest,
    ::testing::Values(AcceptedLine{"Query", {"query"}, {"query", "", "", ""}},
                      AcceptedLine{"QueryDetail", {"query", "-detail"}, {"query", "-detail", "", ""}},
                      AcceptedLine{"AddG", {"add", "-g", "GRP1"}, {"add", "-g", "GRP1", ""}},
                      AcceptedLine{"ChangeSg", {"change", "-sg", "SNP1"}, {"change", "-sg", "SNP1", ""}},
                      AcceptedLine{"RemoveCg", {"remove", "-cg", "GRP1"}, {"remove", "-cg", "GRP1", ""}},
                      AcceptedLine{"RemoveBg", {"remove", "-bg", "SNP1"}, {"remove", "-bg", "SNP1", ""}},
                      AcceptedLine{"ChangeCgNotest", {"change", "-cg", "GRP1", "-notest"},
                                   {"change", "-cg", "GRP1", "-notest"}},
                      AcceptedLine{"ChangeBgEmptyName", {"change", "-bg", ""}, {"change", "-bg", "", ""}},
                      AcceptedLine{"NameLooksLikeSuboption", {"add", "-g", "-notest"}, {"add", "-g", "-notest", ""}},
                      AcceptedLine{"NameWithBlanks", {"add", "-g", "Group One "}, {"add", "-g", "Group One ", ""}},
                      // Characters the interpreter has meanings for, harmless inside quotes.
                      AcceptedLine{"NameWithInterpreterCharacters", {"add", "-g", "a&b|c<d>e^f(g)!"},
                                   {"add", "-g", "a&b|c<d>e^f(g)!", ""}}),
    [](const ::testing::TestParamInfo<AcceptedLine>& info) { return std::string(info.param.name); });

struct RejectedLine {
    const char* name;
    std::vector<std::string> arguments;
};

// Failures name the case rather than dump its bytes.
void PrintTo(const RejectedLine& testCase, std::ostream* out) { *out << testCase.name; }

class RejectedLineTest : public QorGroupsTest, public ::testing::WithParamInterface<RejectedLine> {};

TEST_P(RejectedLineTest, PrintsUsageAndStartsNothing) {
    ProgramResult result = RunGroups(GetParam().arguments);

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.err, RejectedLineOutput());
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(JavaReceived().empty());
    // The usage text is printed only; the log has the error between start and end.
    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].message.rfind(StartRecordText("qorgroups "), 0), 0u) << records[0].message;
    EXPECT_EQ(records[1].message, "qor0010 The command line arguments are incorrect.");
    EXPECT_EQ(records[1].sourceFile, kGroupsSource);
    EXPECT_EQ(records[2].message, EndRecordText(1));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RejectedLineTest,
    ::testing::Values(RejectedLine{"None", {}}, RejectedLine{"QueryCapitalised", {"Query"}},
                      RejectedLine{"QueryUpperCase", {"QUERY"}}, RejectedLine{"QueryOtherOption", {"query", "-g"}},
                      RejectedLine{"QueryDetailAndMore", {"query", "-detail", "x"}},
                      RejectedLine{"AddWithoutName", {"add", "-g"}},
                      RejectedLine{"RemoveCgNotest", {"remove", "-cg", "GRP1", "-notest"}},
                      RejectedLine{"AddGNotest", {"add", "-g", "GRP1", "-notest"}},
                      RejectedLine{"AddCgOtherFourth", {"add", "-cg", "GRP1", "-Notest"}},
                      RejectedLine{"Five", {"add", "-cg", "GRP1", "-notest", "x"}},
                      // What the interpreter would not pass on intact.
                      RejectedLine{"NameWithQuote", {"add", "-g", "a\" & echo b"}},
                      RejectedLine{"NameWithPercent", {"add", "-g", "%PATH%"}},
                      // Were the line split there, "-notest" would make it a good one.
                      RejectedLine{"NameWithCarriageReturn", {"add", "-cg", "GRP1\r-notest"}},
                      RejectedLine{"NameWithLineFeed", {"add", "-cg", "GRP1\n-notest"}}),
    [](const ::testing::TestParamInfo<RejectedLine>& info) { return std::string(info.param.name); });

using WithoutInstallationsTest = QorGroupsTest;

// The lookups belong to the launch: a wrong line never reaches them.
TEST_F(WithoutInstallationsTest, WrongLineStillEndsWithArgumentsMessage) {
    DeleteInstallationKeys();
    ProgramResult result = RunGroups({"remove", "-g"});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.err, RejectedLineOutput());
    EXPECT_TRUE(JavaReceived().empty());
}

}  // namespace
