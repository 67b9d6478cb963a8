#include "LogSizeLimit.h"
#include "RecordFormat.h"

#include <gtest/gtest.h>

namespace {

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD millisecond) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    time.wMilliseconds = millisecond;
    time.wDayOfWeek = 3;  // never written
    return time;
}

struct RecordCase {
    SYSTEMTIME time;
    DWORD processId;
    const char* source;
    int line;
    std::string message;
    std::string expected;
};

class RecordFormatTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordFormatTest, FormatsEveryFieldExactly) {
    const RecordCase& c = GetParam();
    EXPECT_EQ(FormatRecord(c.time, c.processId, c.source, c.line, c.message), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordFormatTest,
    ::testing::Values(
        RecordCase{Time(2014, 3, 5, 8, 4, 9, 7), 2468, "..\\..\\src\\qorgroups\\MQorGroups", 57,
                   "qor0101 Execution of the command ended. Return code=0",
                   "2014/03/05 08:04:09.007 2468 ..\\..\\src\\qorgroups\\MQorGroups 57 qor0101 Execution of the "
                   "command ended. Return code=0\r\n"},
        RecordCase{Time(2015, 1, 1, 0, 0, 0, 0), 4, "..\\..\\src\\common\\CQorCommon", 7, "x",
                   "2015/01/01 00:00:00.000 4 ..\\..\\src\\common\\CQorCommon 7 x\r\n"},
        // An empty message leaves the line number, one blank and the line end.
        RecordCase{Time(2026, 12, 31, 23, 59, 59, 999), 4294967295u, "s", -3, "",
                   "2026/12/31 23:59:59.999 4294967295 s -3 \r\n"},
        // A line break inside the message is written as it is.
        RecordCase{Time(999, 10, 10, 10, 10, 10, 10), 1, "s", 1, "first\r\nsecond\nthird",
                   "999/10/10 10:10:10.010 1 s 1 first\r\nsecond\nthird\r\n"}));

TEST(LogSizeLimitTest, RotatesOnlyPastOneMebibyte) {
    EXPECT_FALSE(IsLogOverLimit(0, 0));
    EXPECT_FALSE(IsLogOverLimit(1048576, 0));
    EXPECT_TRUE(IsLogOverLimit(1048577, 0));
    EXPECT_TRUE(IsLogOverLimit(0, 1));
    EXPECT_TRUE(IsLogOverLimit(INVALID_FILE_SIZE, 0));
}

}  // namespace
