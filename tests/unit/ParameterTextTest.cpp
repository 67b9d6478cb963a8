#include "ParameterText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ParameterTextOf(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    return BuildParameterText(static_cast<int>(argv.size()), argv.data());
}

TEST(ParameterTextTest, EachArgumentIsFollowedByOneBlank) {
    EXPECT_EQ(ParameterTextOf({"qorgroups", "query"}), "qorgroups query ");
    EXPECT_EQ(ParameterTextOf({"qorgroups"}), "qorgroups ");
    EXPECT_EQ(ParameterTextOf({"q", "", "a b"}), "q  a b ");
}

TEST(ParameterTextTest, IsCutToItsFirst1800Characters) {
    // 1799 characters and the blank: exactly at the limit, kept whole.
    EXPECT_EQ(ParameterTextOf({std::string(1799, 'a')}), std::string(1799, 'a') + " ");
    // One more: the trailing blank is what is cut.
    EXPECT_EQ(ParameterTextOf({std::string(1800, 'a')}), std::string(1800, 'a'));
    std::string cut = ParameterTextOf({"qorgroups", "add", "-g", std::string(3000, 'n')});
    EXPECT_EQ(cut, ("qorgroups add -g " + std::string(3000, 'n')).substr(0, 1800));
}

}  // namespace
