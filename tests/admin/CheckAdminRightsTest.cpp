// The rights check reads the token and names accounts; it changes nothing, so
// these tests run anywhere.
#include "CheckAdminRights.h"

#include "Win32Owners.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::string SidText(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return "";
    std::string copy = text;
    LocalFree(text);
    return copy;
}

// The groups of this process's token, as the check walks them.
std::vector<std::string> TokenGroupSids() {
    UniqueHandle token;
    EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()));
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &size);
    std::vector<char> buffer(size);
    EXPECT_TRUE(GetTokenInformation(token.get(), TokenGroups, buffer.data(), size, &size));
    const TOKEN_GROUPS* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
    std::vector<std::string> sids;
    for (DWORD index = 0; index < groups->GroupCount; ++index) sids.push_back(SidText(groups->Groups[index].Sid));
    return sids;
}

constexpr char kAdministratorsSid[] = "S-1-5-32-544";

// A namer that answers from tables the test fills in: the first call names
// the Administrators alias itself (the reference), every later call a group
// of the token. A group missing from the table cannot be named.
struct FakeNames {
    std::string reference = "Administrators";
    DWORD referenceError = ERROR_SUCCESS;
    std::map<std::string, std::string> groups;
    int calls = 0;
    std::vector<std::string> groupsAsked;
};

FakeNames fake;

bool NameFromTables(PSID sid, char* name, DWORD* nameLength) {
    const bool referenceCall = fake.calls++ == 0;
    std::string text = SidText(sid);
    if (referenceCall) {
        EXPECT_EQ(text, kAdministratorsSid) << "the reference must be the Administrators alias";
        if (fake.referenceError != ERROR_SUCCESS) {
            SetLastError(fake.referenceError);
            return false;
        }
        EXPECT_GE(*nameLength, 256u);
        std::strcpy(name, fake.reference.c_str());
        *nameLength = static_cast<DWORD>(fake.reference.size());
        return true;
    }
    fake.groupsAsked.push_back(text);
    EXPECT_EQ(*nameLength, 1024u) << "the name count must be set back before each group";
    auto found = fake.groups.find(text);
    if (found == fake.groups.end()) {
        SetLastError(ERROR_NONE_MAPPED);
        return false;
    }
    std::strcpy(name, found->second.c_str());
    *nameLength = static_cast<DWORD>(found->second.size());
    return true;
}

class CheckAdminRightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake = FakeNames();
        groups_ = TokenGroupSids();
        ASSERT_GE(groups_.size(), 2u) << "these cases need a token of two groups at least";
    }

    // A group of the token that is not the Administrators alias.
    std::string OtherGroup() const {
        for (const std::string& sid : groups_) {
            if (sid != kAdministratorsSid) return sid;
        }
        return "";
    }

    std::vector<std::string> groups_;
};

TEST_F(CheckAdminRightsTest, RealNamerFindsTheAdministrators) { EXPECT_EQ(CheckAdminRights(), 0u); }

TEST_F(CheckAdminRightsTest, NameDifferingOnlyInCaseIsNoMatch) {
    for (const std::string& sid : groups_) fake.groups[sid] = "administrators";
    fake.groups[kAdministratorsSid] = "ADMINISTRATORS";

    EXPECT_EQ(CheckAdminRights(&NameFromTables), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(fake.groupsAsked, groups_) << "every group is looked at once, in the token's order";
}

TEST_F(CheckAdminRightsTest, GroupsThatCannotBeNamedArePassedOver) {
    // Only the last group has a name, and it is the one.
    fake.groups[groups_.back()] = "Administrators";

    EXPECT_EQ(CheckAdminRights(&NameFromTables), 0u);
    EXPECT_EQ(fake.groupsAsked, groups_);
}

TEST_F(CheckAdminRightsTest, AnotherGroupBearingTheNameCounts) {
    // The alias itself goes by another name here; a group of another
    // identifier bears the alias's name.
    fake.groups[kAdministratorsSid] = "Local admins";
    fake.groups[OtherGroup()] = "Administrators";

    EXPECT_EQ(CheckAdminRights(&NameFromTables), 0u);
}

TEST_F(CheckAdminRightsTest, LocalisedAliasNameIsFound) {
    fake.reference = "Administratoren";
    for (const std::string& sid : groups_) fake.groups[sid] = "Administrators";
    fake.groups[groups_.back()] = "Administratoren";

    EXPECT_EQ(CheckAdminRights(&NameFromTables), 0u);
}

TEST_F(CheckAdminRightsTest, EnglishNameIsNoMatchOnALocalisedSystem) {
    fake.reference = "Administratoren";
    for (const std::string& sid : groups_) fake.groups[sid] = "Administrators";

    EXPECT_EQ(CheckAdminRights(&NameFromTables), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(CheckAdminRightsTest, NoGroupNamedIsNoMatch) {
    EXPECT_EQ(CheckAdminRights(&NameFromTables), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(fake.groupsAsked, groups_);
}

class ReferenceLookupFailureTest : public CheckAdminRightsTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(ReferenceLookupFailureTest, ReturnsTheLookupsErrorCode) {
    fake.reference = "Administrators";
    fake.referenceError = GetParam();
    for (const std::string& sid : groups_) fake.groups[sid] = "Administrators";

    EXPECT_EQ(CheckAdminRights(&NameFromTables), GetParam());
    EXPECT_TRUE(fake.groupsAsked.empty()) << "no group may be looked at without a reference name";
}

INSTANTIATE_TEST_SUITE_P(Codes, ReferenceLookupFailureTest,
                         ::testing::Values(static_cast<DWORD>(ERROR_NONE_MAPPED),
                                           static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER),
                                           static_cast<DWORD>(RPC_S_SERVER_UNAVAILABLE)));

}  // namespace
