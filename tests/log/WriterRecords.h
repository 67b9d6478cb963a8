// Reads back what log_writer processes wrote: who wrote each record and its
// sequence number, and whether every writer's records follow each other.
#pragma once

#include "LogRecords.h"

#include <map>
#include <string>
#include <vector>

struct WriterRecord {
    std::string tag;
    int sequence = 0;
};

// The tag and sequence number in a log_writer message; a record of any other
// form fails the calling test.
WriterRecord ParseWriterRecord(const LogRecord& record);

// Checks that, for each writer, the records present (in file order) carry
// consecutive sequence numbers ending at `lastSequence`: nothing lost or
// doubled since the oldest record kept. Returns the first sequence number
// kept per writer.
std::map<std::string, int> CheckWritersConsecutive(const std::vector<LogRecord>& records, int lastSequence);

// The tag of writer `index`, as the tests hand it to log_writer.
std::string WriterTag(int index);
