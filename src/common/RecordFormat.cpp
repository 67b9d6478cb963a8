#include "RecordFormat.h"

#include <cstdio>

std::string FormatRecord(const SYSTEMTIME& time, DWORD processId, const char* sourceFile, int line,
                         const std::string& message) {
    char stamp[64];
    int stampLength = std::snprintf(stamp, sizeof stamp, "%u/%02u/%02u %02u:%02u:%02u.%03u %lu ",
                                    unsigned{time.wYear}, unsigned{time.wMonth}, unsigned{time.wDay},
                                    unsigned{time.wHour}, unsigned{time.wMinute}, unsigned{time.wSecond},
                                    unsigned{time.wMilliseconds}, static_cast<unsigned long>(processId));
    char lineText[16];
    int lineLength = std::snprintf(lineText, sizeof lineText, " %d ", line);

    std::string record;
    record.reserve(stampLength + std::char_traits<char>::length(sourceFile) + lineLength + message.size() + 2);
    record.append(stamp, stampLength);
    record.append(sourceFile);
    record.append(lineText, lineLength);
    record.append(message);
    record.append("\r\n");
    return record;
}
