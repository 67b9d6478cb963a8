// What a command prints: each text followed by one line feed and a flush, so
// nothing waits in a buffer when the command ends or a child takes the console.
#pragma once

#include <cstdio>
#include <string>

inline void PrintLine(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}
