// Reads one REG_SZ value of an installation under HKEY_LOCAL_MACHINE: the
// 64-bit view first, the 32-bit view only when the key is missing there.
#pragma once

#include <windows.h>

#include <string>

enum class InstallationRead {
    Found,
    KeyMissing,     // the key is in neither view: the product is not installed
    KeyUnreadable,  // the key could not be opened for any other reason
    ValueUnusable,  // missing, too long, not REG_SZ, or shorter than allowed
};

struct InstallationValue {
    InstallationRead outcome;
    std::string text;  // up to the first NUL, within the reported size
};

InstallationValue ReadInstallationValue(const char* key, const char* valueName, DWORD smallestSize);
