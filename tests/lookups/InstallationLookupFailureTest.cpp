// Every failure point of the three installation lookups, called in this
// process: each raises its own message from a statement of its own, so the
// line in its record tells which lookup failed, and how. The values that are
// present but unusable (wrong type, too short, too long) are shown row by row
// through the commands themselves, in the qorgroups, qorprobe and qormodule
// tests.
#include "CQorCommon.h"
#include "CQorException.h"
#include "InstallationKeys.h"
#include "Messages.h"
#include "InProcessLogTest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using Lookup = std::string (*)();

struct LookupUnderTest {
    const char* name;
    Lookup lookup;
    const char* key;
    const char* value;
    const char* notInstalledMessage;
};

const LookupUnderTest kLookups[] = {
    {"GetAdapterDir", &GetAdapterDir, kRecoveryManagerKey, "InstallPath", Messages::kRecoveryManagerNotInstalled},
    {"GetVdlPath", &GetVdlPath, kModulePathKey, "PathName", Messages::kModuleNotInstalled},
    {"GetVdlVersion", &GetVdlVersion, kModuleVersionKey, "VersionLevel", Messages::kModuleNotInstalled},
};

enum class Failure { KeyMissing, KeyRefused, ValueMissing };

// Each test moves the installation, so the log is located afresh.
class InstallationLookupFailureTest : public InProcessLogTest {
protected:
    // Puts the lookup's registry in the failing state and returns what it raised.
    CQorException Raised(const LookupUnderTest& lookup, Failure failure) {
        DeleteInstallationKeys();
        SetRegistryString(RegistryView::Bits64, lookup.key, lookup.value, "C:\\Good\\");
        switch (failure) {
        case Failure::KeyMissing:
            DeleteRegistryKey(RegistryView::Bits64, lookup.key);
            break;
        case Failure::KeyRefused:
            // A usable key in the 32-bit view must not be reached: only a key
            // missing from the 64-bit view sends the lookup there.
            SetRegistryString(RegistryView::Bits32, lookup.key, lookup.value, "C:\\Good\\");
            DenyRegistryKeyAccess(RegistryView::Bits64, lookup.key);
            break;
        case Failure::ValueMissing:
            DeleteRegistryValue(RegistryView::Bits64, lookup.key, lookup.value);
            break;
        }
        try {
            std::string result = lookup.lookup();
            ADD_FAILURE() << lookup.name << " returned " << result;
        } catch (const CQorException& error) {
            return error;
        }
        return CQorException("none", 0, "");
    }
};

TEST_F(InstallationLookupFailureTest, EachFailureRaisesItsMessageFromALineOfItsOwn) {
    std::set<int> lines;
    for (const LookupUnderTest& lookup : kLookups) {
        SCOPED_TRACE(lookup.name);
        CQorException missing = Raised(lookup, Failure::KeyMissing);
        CQorException refused = Raised(lookup, Failure::KeyRefused);
        CQorException noValue = Raised(lookup, Failure::ValueMissing);

        EXPECT_EQ(missing.GetMessageText(), lookup.notInstalledMessage);
        EXPECT_EQ(refused.GetMessageText(), Messages::kUnexpectedError);
        EXPECT_EQ(noValue.GetMessageText(), Messages::kUnexpectedError);
        for (const CQorException* error : {&missing, &refused, &noValue}) {
            EXPECT_EQ(error->GetSourceFile(), "..\\..\\src\\common\\CQorCommon");
            lines.insert(error->GetLine());
        }
    }
    EXPECT_EQ(lines.size(), 9u);
}

TEST_F(InstallationLookupFailureTest, KeyInThe32BitViewAloneIsFound) {
    for (const LookupUnderTest& lookup : kLookups) {
        SCOPED_TRACE(lookup.name);
        DeleteInstallationKeys();
        SetRegistryString(RegistryView::Bits32, lookup.key, lookup.value, "C:\\Only32\\");
        std::string expected = lookup.lookup == &GetAdapterDir ? std::string("C:\\Only32\\") + kAdapterSubdirectory
                                                               : std::string("C:\\Only32\\");
        EXPECT_EQ(lookup.lookup(), expected);
    }
}

}  // namespace
