// What the frame of one qorgroups run leaves behind, for the frame's tests.
#pragma once

#include "LogRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr char kQorGroupsSource[] = "..\\..\\src\\qorgroups\\MQorGroups";

inline std::string StartRecordText(const std::string& parameterText) {
    return "qor0100 Execution of the command started. Parameter=" + parameterText;
}

inline std::string EndRecordText(int returnCode) {
    return "qor0101 Execution of the command ended. Return code=" + std::to_string(returnCode);
}

// Text as it arrives from a program's standard error: each line feed the
// program printed comes as CRLF.
inline std::string AsCaptured(const std::string& text) {
    std::string captured;
    for (char character : text) {
        if (character == '\n') captured += '\r';
        captured += character;
    }
    return captured;
}

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
