#include "WriterRecords.h"

#include <gtest/gtest.h>

#include <cstdio>

WriterRecord ParseWriterRecord(const LogRecord& record) {
    WriterRecord parsed;
    char tag[64] = {};
    int consumed = 0;
    if (std::sscanf(record.message.c_str(), "writer=%63s seq=%d %n", tag, &parsed.sequence, &consumed) != 2 ||
        consumed == 0) {
        ADD_FAILURE() << "not a log_writer record: " << record.message;
        return parsed;
    }
    // Padding only after the header: another record's bytes inside this one
    // would show here.
    std::string padding = record.message.substr(consumed);
    EXPECT_EQ(padding.find_first_not_of('.'), std::string::npos) << "record broken into: " << record.message;
    parsed.tag = tag;
    return parsed;
}

std::map<std::string, int> CheckWritersConsecutive(const std::vector<LogRecord>& records, int lastSequence) {
    std::map<std::string, int> first;
    std::map<std::string, int> previous;
    for (const LogRecord& record : records) {
        WriterRecord parsed = ParseWriterRecord(record);
        if (parsed.tag.empty()) continue;
        auto seen = previous.find(parsed.tag);
        if (seen == previous.end()) {
            first[parsed.tag] = parsed.sequence;
        } else {
            EXPECT_EQ(parsed.sequence, seen->second + 1) << "writer " << parsed.tag << " lost or repeated a record";
        }
        previous[parsed.tag] = parsed.sequence;
    }
    for (const auto& [tag, sequence] : previous) {
        EXPECT_EQ(sequence, lastSequence) << "writer " << tag << " lost its last records";
    }
    return first;
}

std::string WriterTag(int index) {
    std::string tag = "W";
    tag += std::to_string(index);
    return tag;
}
