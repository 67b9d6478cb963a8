#include "LogRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool ParseRecord(const std::string& text, LogRecord* record) {
    // "YYYY/MM/DD HH:MM:SS.mmm" is 23 characters, then a blank.
    unsigned year, month, day, hour, minute, second, millisecond;
    char separator = 0;
    if (text.size() < 24 ||
        std::sscanf(text.c_str(), "%4u/%2u/%2u %2u:%2u:%2u.%3u%c", &year, &month, &day, &hour, &minute, &second,
                    &millisecond, &separator) != 8 ||
        separator != ' ') {
        return false;
    }
    record->stamp = text.substr(0, 23);
    size_t pidEnd = text.find(' ', 24);
    if (pidEnd == std::string::npos) return false;
    record->processId = std::strtoul(text.substr(24, pidEnd - 24).c_str(), nullptr, 10);
    size_t sourceEnd = text.find(' ', pidEnd + 1);
    if (sourceEnd == std::string::npos) return false;
    record->sourceFile = text.substr(pidEnd + 1, sourceEnd - pidEnd - 1);
    size_t lineEnd = text.find(' ', sourceEnd + 1);
    if (lineEnd == std::string::npos) return false;
    record->line = std::atoi(text.substr(sourceEnd + 1, lineEnd - sourceEnd - 1).c_str());
    record->message = text.substr(lineEnd + 1);
    return true;
}

}  // namespace

std::vector<LogRecord> ParseLogRecords(const std::string& logBytes) {
    std::vector<LogRecord> records;
    size_t start = 0;
    while (start < logBytes.size()) {
        size_t end = logBytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "log ends inside a record: " << logBytes.substr(start);
            break;
        }
        LogRecord record;
        std::string text = logBytes.substr(start, end - start);
        if (ParseRecord(text, &record)) {
            records.push_back(record);
        } else {
            ADD_FAILURE() << "not a record: " << text;
        }
        start = end + 2;
    }
    return records;
}

std::string DescribedRecord(const std::string& sourceFile, const std::string& message) {
    return sourceFile + " " + message;
}

std::vector<std::string> DescribeRecords(const std::vector<LogRecord>& records) {
    std::vector<std::string> described;
    for (const LogRecord& record : records) described.push_back(DescribedRecord(record.sourceFile, record.message));
    return described;
}

std::vector<LogRecord> RecordsOfProcess(const std::vector<LogRecord>& records, unsigned long processId) {
    std::vector<LogRecord> own;
    for (const LogRecord& record : records) {
        if (record.processId == processId) own.push_back(record);
    }
    return own;
}
