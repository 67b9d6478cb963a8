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

void DenyRegistryKeyAccess(RegistryView view, const std::string& key) {
    UniqueHkey opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | ViewFlag(view), opened.put()) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("cannot open key " + key);
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    UniqueSid everyone;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, everyone.put())) {
        throw std::runtime_error("cannot make the Everyone identifier");
    }
    alignas(DWORD) char aclBuffer[256];
    PACL acl = reinterpret_cast<PACL>(aclBuffer);
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) ||
        !AddAccessDeniedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone.get()) ||
        !InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) ||
        RegSetKeySecurity(opened.get(), DACL_SECURITY_INFORMATION, &descriptor) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot deny access to key " + key);
    }
}

void DeleteRegistryKey(RegistryView view, const std::string& key) {
    UniqueHkey opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS | ViewFlag(view), opened.put()) !=
        ERROR_SUCCESS) {
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), ViewFlag(view), 0);
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
