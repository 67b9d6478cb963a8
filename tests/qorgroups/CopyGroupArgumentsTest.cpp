#include "CopyGroupArguments.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>
#include <vector>

namespace {

struct GrammarCase {
    const char* name;
    std::vector<std::string> arguments;         // after the command name
    std::optional<CopyGroupRequest> handedOn;  // nothing for a wrong line
};

// Failures name the case rather than dump its bytes.
void PrintTo(const GrammarCase& testCase, std::ostream* out) { *out << testCase.name; }

std::optional<CopyGroupRequest> Parse(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{"qorgroups"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return ParseCopyGroupArguments(static_cast<int>(all.size()), argv.data());
}

class CopyGroupGrammarTest : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(CopyGroupGrammarTest, AcceptsOrRejects) {
    const GrammarCase& grammarCase = GetParam();
    std::optional<CopyGroupRequest> request = Parse(grammarCase.arguments);
    ASSERT_EQ(request.has_value(), grammarCase.handedOn.has_value());
    if (!request) return;
    EXPECT_EQ(request->subCommand, grammarCase.handedOn->subCommand);
    EXPECT_EQ(request->option, grammarCase.handedOn->option);
    EXPECT_EQ(request->groupName, grammarCase.handedOn->groupName);
    EXPECT_EQ(request->suboption, grammarCase.handedOn->suboption);
}

const std::optional<CopyGroupRequest> kRejected;

CopyGroupRequest Request(const char* subCommand, const char* option, const std::string& groupName,
                         const char* suboption) {
    return CopyGroupRequest{subCommand, option, groupName, suboption};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CopyGroupGrammarTest,
    ::testing::Values(
        GrammarCase{"None", {}, kRejected},
        GrammarCase{"Query", {"query"}, Request("query", "", "", "")},
        GrammarCase{"QueryCapitalised", {"Query"}, kRejected},
        GrammarCase{"QueryUpperCase", {"QUERY"}, kRejected},
        GrammarCase{"QueryWithBlank", {"query "}, kRejected},
        GrammarCase{"AddAlone", {"add"}, kRejected},
        GrammarCase{"QueryDetail", {"query", "-detail"}, Request("query", "-detail", "", "")},
        GrammarCase{"QueryOtherOption", {"query", "-g"}, kRejected},
        GrammarCase{"QueryDetailAbbreviated", {"query", "-d"}, kRejected},
        GrammarCase{"QueryDetailAndMore", {"query", "-detail", "x"}, kRejected},
        GrammarCase{"AddWithoutName", {"add", "-g"}, kRejected},
        GrammarCase{"AddG", {"add", "-g", "G"}, Request("add", "-g", "G", "")},
        GrammarCase{"ChangeSg", {"change", "-sg", "G"}, Request("change", "-sg", "G", "")},
        GrammarCase{"RemoveCg", {"remove", "-cg", "G"}, Request("remove", "-cg", "G", "")},
        GrammarCase{"RemoveBg", {"remove", "-bg", "G"}, Request("remove", "-bg", "G", "")},
        GrammarCase{"QueryWithName", {"query", "-g", "G"}, kRejected},
        GrammarCase{"AddDetail", {"add", "-detail", "G"}, kRejected},
        GrammarCase{"AddCapitalisedOption", {"add", "-CG", "G"}, kRejected},
        GrammarCase{"ChangeBgEmptyName", {"change", "-bg", ""}, Request("change", "-bg", "", "")},
        GrammarCase{"NameLooksLikeSuboption", {"add", "-g", "-notest"}, Request("add", "-g", "-notest", "")},
        GrammarCase{"NameWithBlanksAndBackslash", {"add", "-g", "a b\\"}, Request("add", "-g", "a b\\", "")},
        GrammarCase{"AddCgNotest", {"add", "-cg", "G", "-notest"}, Request("add", "-cg", "G", "-notest")},
        GrammarCase{"ChangeCgNotest", {"change", "-cg", "G", "-notest"}, Request("change", "-cg", "G", "-notest")},
        GrammarCase{"RemoveCgNotest", {"remove", "-cg", "G", "-notest"}, kRejected},
        GrammarCase{"AddGNotest", {"add", "-g", "G", "-notest"}, kRejected},
        GrammarCase{"AddSgNotest", {"add", "-sg", "G", "-notest"}, kRejected},
        GrammarCase{"AddCgOtherFourth", {"add", "-cg", "G", "-test"}, kRejected},
        GrammarCase{"AddCgCapitalisedFourth", {"add", "-cg", "G", "-NOTEST"}, kRejected},
        GrammarCase{"AddCgEmptyFourth", {"add", "-cg", "G", ""}, kRejected},
        GrammarCase{"QueryFourArguments", {"query", "-detail", "G", "-notest"}, kRejected},
        GrammarCase{"Five", {"add", "-cg", "G", "-notest", "x"}, kRejected},
        GrammarCase{"Six", {"add", "-cg", "G", "-notest", "x", "y"}, kRejected},
        // The name travels through the command interpreter: what it would
        // not pass on intact is a wrong line.
        GrammarCase{"NameWithQuote", {"add", "-g", "a\"b"}, kRejected},
        GrammarCase{"NameWithPercent", {"add", "-g", "%PATH%"}, kRejected},
        GrammarCase{"NameWithCarriageReturn", {"add", "-g", "a\rb"}, kRejected},
        GrammarCase{"NameWithLineFeed", {"add", "-g", "a\nb"}, kRejected},
        GrammarCase{"NotestLineNameWithQuote", {"add", "-cg", "\"", "-notest"}, kRejected},
        GrammarCase{"NotestLineNameWithPercent", {"change", "-cg", "50%", "-notest"}, kRejected}),
    [](const ::testing::TestParamInfo<GrammarCase>& info) { return std::string(info.param.name); });

}  // namespace
