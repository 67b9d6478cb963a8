#include "InstallationValue.h"

#include "Win32Owners.h"

#include <cstring>

namespace {

constexpr DWORD kValueBufferSize = 260;

}  // namespace

InstallationValue ReadInstallationValue(const char* key, const char* valueName, DWORD smallestSize) {
    UniqueHkey opened;
    LSTATUS status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_64KEY, opened.put());
    // Only a key missing from the 64-bit view sends us to the 32-bit one; a
    // key we may not read there is not looked for elsewhere.
    if (status == ERROR_FILE_NOT_FOUND) {
        status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_32KEY, opened.put());
    }
    if (status == ERROR_FILE_NOT_FOUND) return {InstallationRead::KeyMissing, {}};
    if (status != ERROR_SUCCESS) return {InstallationRead::KeyUnreadable, {}};

    char data[kValueBufferSize];
    DWORD size = sizeof data;
    DWORD type = REG_NONE;
    status = RegQueryValueExA(opened.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    opened.reset();
    if (status != ERROR_SUCCESS || type != REG_SZ || size < smallestSize) return {InstallationRead::ValueUnusable, {}};
    return {InstallationRead::Found, std::string(data, strnlen(data, size))};
}
