// Whether the running process belongs to the local Administrators group,
// decided by name: a group of the token whose account name equals the name of
// the well-known Administrators alias counts. Every failure is a code.
#pragma once

#include <windows.h>

// Names an account as LookupAccountSidA does on the local system: true and
// the name in `name` (of `*nameLength` bytes, which it updates), or false
// with the error in GetLastError(). Tests name accounts their own way.
using AccountNamer = bool (*)(PSID sid, char* name, DWORD* nameLength);

bool NameAccountOnLocalSystem(PSID sid, char* name, DWORD* nameLength);

// 0 when a token group bears the alias's name, 5 when none does, 8 when a
// buffer cannot be had, else the failing system call's error code.
DWORD CheckAdminRights();
DWORD CheckAdminRights(AccountNamer nameAccount);
