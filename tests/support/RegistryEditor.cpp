#include "RegistryEditor.h"

#include "InstallationKeys.h"
#include "Win32Owners.h"

#include <stdexcept>

namespace {

REGSAM ViewFlag(RegistryView view) { return view == RegistryView::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

}  // namespace

void SetRegistryValue(RegistryView view, const std::string& key, const std::string& name, DWORD type,
                      const std::string& data) {
    UniqueHkey opened;
    LSTATUS status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | ViewFlag(view),
                                     nullptr, opened.put(), nullptr);
    if (status != ERROR_SUCCESS) throw std::runtime_error("cannot create key " + key);
    status = RegSetValueExA(opened.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size()));
    if (status != ERROR_SUCCESS) throw std::runtime_error("cannot set value " + name);
}

void SetRegistryString(RegistryView view, const std::string& key, const std::string& name, const std::string& text) {
    SetRegistryValue(view, key, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void DeleteRegistryValue(RegistryView view, const std::string& key, const std::string& name) {
    UniqueHkey opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | ViewFlag(view), opened.put()) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(opened.get(), name.c_str());
    }
}

void DeleteRegistryKey(RegistryView view, const std::string& key) {
    UniqueHkey opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | ViewFlag(view), opened.put()) !=
        ERROR_SUCCESS) {
        return;
    }
    RegDeleteTreeA(opened.get(), nullptr);
    opened.reset();
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), ViewFlag(view), 0);
}

void DeleteInstallationKeys() {
    for (RegistryView view : {RegistryView::Bits64, RegistryView::Bits32}) {
        DeleteRegistryKey(view, kRecoveryManagerKey);
        DeleteRegistryKey(view, kModulePathKey);
        DeleteRegistryKey(view, kModuleVersionKey);
    }
}
