// When the log is rotated: only once it is over 1 MiB, never at exactly 1 MiB.
#pragma once

#include <windows.h>

inline constexpr DWORD kLogSizeLimit = 1048576;

inline bool IsLogOverLimit(DWORD sizeLow, DWORD sizeHigh) {
    return sizeHigh != 0 || sizeLow > kLogSizeLimit;
}
