#include "LaunchLine.h"

#include <gtest/gtest.h>

namespace {

struct QuoteCase {
    std::string value;
    std::string quoted;
};

class QuoteArgumentTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteArgumentTest, FollowsTheWindowsArgumentRules) {
    EXPECT_EQ(QuoteArgument(GetParam().value), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Values, QuoteArgumentTest,
    ::testing::Values(QuoteCase{"", "\"\""}, QuoteCase{"GRP1", "\"GRP1\""}, QuoteCase{"a b", "\"a b\""},
                      // Backslashes stand as they are unless a quote follows them.
                      QuoteCase{"C:\\Module", "\"C:\\Module\""}, QuoteCase{"a\\\\b", "\"a\\\\b\""},
                      // A trailing run is doubled, since the closing quote follows it.
                      QuoteCase{"C:\\Module\\", "\"C:\\Module\\\\\""},
                      QuoteCase{"C:\\Module\\\\", "\"C:\\Module\\\\\\\\\""},
                      // An inner quote is escaped, with the backslashes before it doubled.
                      QuoteCase{"a\"b", "\"a\\\"b\""}, QuoteCase{"a\\\"b", "\"a\\\\\\\"b\""}));

TEST(CanPassThroughInterpreterTest, RefusesWhatTheInterpreterWouldChange) {
    for (const char* safe : {"", "GRP1", "a b", "x\\", "&|<>^()!", "192.0.2.1"}) {
        EXPECT_TRUE(CanPassThroughInterpreter(safe)) << safe;
    }
    for (const char* unsafe : {"a\"b", "%PATH%", "a%", "a\rb", "a\nb", "\""}) {
        EXPECT_FALSE(CanPassThroughInterpreter(unsafe)) << unsafe;
    }
}

TEST(BuildLaunchLineTest, JoinsClassPathPropertyClassAndArguments) {
    LaunchLine line{"C:\\A\\SrmAdapter.jar", "-Dp=\"v\"", "pkg.Class", {"one", "", "C:\\D\\"}};
    EXPECT_EQ(BuildLaunchLine(line), "java.exe -cp \"C:\\A\\SrmAdapter.jar\" -Dp=\"v\" pkg.Class \"one\" \"\" \"C:\\D\\\\\"");
    line.systemProperty.clear();
    EXPECT_EQ(BuildLaunchLine(line), "java.exe -cp \"C:\\A\\SrmAdapter.jar\" pkg.Class \"one\" \"\" \"C:\\D\\\\\"");
}

}  // namespace
