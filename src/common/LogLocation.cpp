#include "LogLocation.h"

#include "InstallationKeys.h"
#include "Win32Owners.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr DWORD kInstallPathBufferSize = 1300;
constexpr DWORD kSmallestInstallPathSize = 4;

}  // namespace

bool LocateCommandLog(std::string* logPath) {
    UniqueHkey key;
    // Unlike the installation lookups, any failure of the 64-bit view falls
    // back to the 32-bit one.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRecoveryManagerKey, 0, KEY_READ | KEY_WOW64_64KEY, key.put()) !=
            ERROR_SUCCESS &&
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRecoveryManagerKey, 0, KEY_READ | KEY_WOW64_32KEY, key.put()) !=
            ERROR_SUCCESS) {
        return false;
    }

    char data[kInstallPathBufferSize];
    DWORD size = sizeof data;
    DWORD type = 0;
    LSTATUS status = RegQueryValueExA(key.get(), "InstallPath", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    key.reset();
    if (status != ERROR_SUCCESS || type != REG_SZ || size < kSmallestInstallPathSize) return false;

    // The text ends at its first NUL and never reaches past the reported size.
    size_t length = strnlen(data, size);
    logPath->assign(data, length);
    logPath->append(kAdapterSubdirectory);
    logPath->append("log\\sracmd.log");
    return true;
}
