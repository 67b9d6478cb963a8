#include "CheckAdminRights.h"

#include "Win32Owners.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr DWORD kReferenceNameSize = 256;
constexpr DWORD kFirstGroupsSize = 1024;
constexpr DWORD kGroupNameSize = 1024;

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};
using HeapBlock = std::unique_ptr<char, FreeDeleter>;

HeapBlock Allocate(DWORD size) { return HeapBlock(static_cast<char*>(std::malloc(size))); }

}  // namespace

bool NameAccountOnLocalSystem(PSID sid, char* name, DWORD* nameLength) {
    char domain[kGroupNameSize];
    DWORD domainLength = sizeof domain;
    SID_NAME_USE use;
    return LookupAccountSidA(nullptr, sid, name, nameLength, domain, &domainLength, &use) != FALSE;
}

DWORD CheckAdminRights() { return CheckAdminRights(&NameAccountOnLocalSystem); }

DWORD CheckAdminRights(AccountNamer nameAccount) {
    // The reference name is looked up, not written in: localised systems name
    // the alias in their own language.
    char referenceName[kReferenceNameSize];
    {
        SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
        UniqueSid administrators;
        if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                      0, 0, 0, administrators.put())) {
            return GetLastError();
        }
        DWORD referenceLength = kReferenceNameSize;
        if (!nameAccount(administrators.get(), referenceName, &referenceLength)) return GetLastError();
    }

    UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return GetLastError();

    DWORD groupsSize = kFirstGroupsSize;
    HeapBlock groups = Allocate(groupsSize);
    if (!groups) return ERROR_NOT_ENOUGH_MEMORY;
    DWORD neededSize = 0;
    BOOL gotGroups = GetTokenInformation(token.get(), TokenGroups, groups.get(), groupsSize, &neededSize);
    if (neededSize > groupsSize) {
        groupsSize = neededSize;
        HeapBlock grown(static_cast<char*>(std::realloc(groups.get(), groupsSize)));
        if (!grown) return ERROR_NOT_ENOUGH_MEMORY;
        groups.release();
        groups = std::move(grown);
        gotGroups = GetTokenInformation(token.get(), TokenGroups, groups.get(), groupsSize, &neededSize);
    }
    if (!gotGroups) return GetLastError();

    HeapBlock groupName = Allocate(kGroupNameSize);
    if (!groupName) return ERROR_NOT_ENOUGH_MEMORY;

    // Presence in the list with the right name is enough: the attributes
    // (deny-only in a filtered token, for one) are not consulted. Groups that
    // cannot be named, such as the logon identifier, are passed over.
    const TOKEN_GROUPS* list = reinterpret_cast<const TOKEN_GROUPS*>(groups.get());
    for (DWORD index = 0; index < list->GroupCount; ++index) {
        DWORD nameLength = kGroupNameSize;
        if (nameAccount(list->Groups[index].Sid, groupName.get(), &nameLength) &&
            std::strcmp(groupName.get(), referenceName) == 0) {
            return ERROR_SUCCESS;
        }
    }
    return ERROR_ACCESS_DENIED;
}
