// One command-log record as text: local time to the millisecond, process id,
// source file, line and message, ended by CRLF. Pure, so it is tested exactly.
#pragma once

#include <windows.h>

#include <string>

std::string FormatRecord(const SYSTEMTIME& time, DWORD processId, const char* sourceFile, int line,
                         const std::string& message);
