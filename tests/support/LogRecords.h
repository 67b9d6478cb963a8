// Reads sracmd.log back as records, for tests that check what was logged.
#pragma once

#include <string>
#include <vector>

struct LogRecord {
    std::string stamp;  // "YYYY/MM/DD HH:MM:SS.mmm"
    unsigned long processId = 0;
    std::string sourceFile;
    int line = 0;
    std::string message;
};

// Splits log bytes at CRLF and parses each line as a record. A line that is
// not a well-formed record fails the calling test.
std::vector<LogRecord> ParseLogRecords(const std::string& logBytes);

// A record as "<source file> <message>", so one comparison of a run's
// records shows where each came from and what it says.
std::string DescribedRecord(const std::string& sourceFile, const std::string& message);
std::vector<std::string> DescribeRecords(const std::vector<LogRecord>& records);

// The records of one process, in order.
std::vector<LogRecord> RecordsOfProcess(const std::vector<LogRecord>& records, unsigned long processId);
