// Sets up installations in the registry of the Wine prefix: exact bytes and
// types, in either view.
#pragma once

#include <windows.h>

#include <string>

enum class RegistryView { Bits64, Bits32 };

// Creates the key as needed and stores `data` exactly (no NUL is added).
void SetRegistryValue(RegistryView view, const std::string& key, const std::string& name, DWORD type,
                      const std::string& data);
// A REG_SZ value holding `text` and its terminating NUL.
void SetRegistryString(RegistryView view, const std::string& key, const std::string& name, const std::string& text);
void DeleteRegistryValue(RegistryView view, const std::string& key, const std::string& name);
// Denies everyone every access to the key (it must exist), as a key whose
// security shuts administrators out.
void DenyRegistryKeyAccess(RegistryView view, const std::string& key);
// The key and everything below it; nothing when it is missing. A key that
// denies access is removed too, when it has no subkeys.
void DeleteRegistryKey(RegistryView view, const std::string& key);
// Both products gone from both views.
void DeleteInstallationKeys();
