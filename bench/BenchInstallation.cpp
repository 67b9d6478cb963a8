#include "BenchInstallation.h"

#include "InstallationKeys.h"
#include "WinePlatform.h"
#include "Win32Owners.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr char kRoot[] = "C:\\qorbench\\";
constexpr char kInstallPath[] = "C:\\qorbench\\SRM\\";
constexpr char kModuleDir[] = "C:\\qorbench\\Module";

bool SetString(const char* keyName, const char* valueName, const std::string& value) {
    UniqueHkey key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExA(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// Each folder of the path in turn; those that exist already are fine.
void MakeFolders(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

std::string AdapterDir() { return std::string(kInstallPath) + kAdapterSubdirectory; }

}  // namespace

bool SetUpBenchInstallation() {
    if (!RunningUnderWine()) {
        std::fputs("The benchmarks write HKEY_LOCAL_MACHINE: they run only under Wine.\n", stderr);
        return false;
    }
    MakeFolders(AdapterDir() + "log");
    MakeFolders(BenchScratchFolder());
    MakeFolders(kModuleDir);
    if (!SetString(kRecoveryManagerKey, "InstallPath", kInstallPath) ||
        !SetString(kModulePathKey, "PathName", kModuleDir) ||
        !SetString(kModuleVersionKey, "VersionLevel", "8.5.0-00")) {
        std::fputs("Cannot write the bench installation's registry values.\n", stderr);
        return false;
    }
    return true;
}

std::string BenchLogPath() { return AdapterDir() + "log\\sracmd.log"; }
std::string BenchScratchFolder() { return std::string(kRoot) + "scratch"; }
