// log_writer <tag> <count> <record size> [<start event>]
//
// Writes <count> records through one CommandLog hold, each message
// "writer=<tag> seq=<n> " padded with '.' to <record size> characters, n
// counting from 1. With a start event named, it waits for that event first, so
// that every writer of a test begins at the same moment.
#include "CommandLog.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: log_writer <tag> <count> <record size> [<start event>]\n", stderr);
        return 2;
    }
    const std::string tag = argv[1];
    const int count = std::atoi(argv[2]);
    const size_t messageSize = std::strtoul(argv[3], nullptr, 10);

    if (argc > 4) {
        HANDLE start = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
        if (start == nullptr) return 3;
        WaitForSingleObject(start, INFINITE);
        CloseHandle(start);
    }

    CommandLog log;
    for (int sequence = 1; sequence <= count; ++sequence) {
        std::string message = "writer=" + tag + " seq=" + std::to_string(sequence) + " ";
        if (message.size() < messageSize) message.append(messageSize - message.size(), '.');
        log.Write("log_writer", __LINE__, message);
    }
    return 0;
}
