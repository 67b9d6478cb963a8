// Many log_writer processes released at once against one sample installation,
// and the checks that the log stayed whole through its rotations.
#pragma once

#include <string>

struct ConcurrentWriters {
    int writers;
    int recordsPerWriter;
    int messageSize;
};

// Starts the writers with `root` as their folder, releases them together and
// waits for all. Then, in backup and log: every record whole, ended by CRLF
// and broken into by no other; since the oldest record kept, every writer's
// records all there in the order written (none lost between a copy and the
// emptying); an older backup replaced; each crossing of the limit rotated
// exactly once (without its last record, a file is within the limit).
void RunWritersAndCheckTheLog(const ConcurrentWriters& run, const std::string& root, const std::string& logPath);
