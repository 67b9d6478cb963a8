// What the frame of one qorgroups run leaves behind, for the frame's tests.
#pragma once

#include "ExpectedOutput.h"
#include "LogRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr char kQorGroupsSource[] = "..\\..\\src\\qorgroups\\MQorGroups";

// The log holds exactly these messages, all from one process and from
// qorgroups' frame source.
inline void ExpectRunRecords(const std::vector<LogRecord>& records, const std::vector<std::string>& messages) {
    ASSERT_EQ(records.size(), messages.size());
    for (size_t index = 0; index < records.size(); ++index) {
        EXPECT_EQ(records[index].message, messages[index]) << "record " << index;
        EXPECT_EQ(records[index].sourceFile, kQorGroupsSource) << "record " << index;
        EXPECT_EQ(records[index].processId, records[0].processId) << "record " << index;
    }
}
