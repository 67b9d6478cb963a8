// qorprobe end to end: the built program run with real command lines against
// a sample installation, the stand-in java.exe recording what it received,
// and the command log read back.
#include "Files.h"
#include "InstallationKeys.h"
#include "ExpectedOutput.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kProbeSource[] = "..\\..\\src\\qorprobe\\MQorProbe";
constexpr char kDeviceListingClass[] = "com.velcora.aldren.qvx.addon.vmware.srm.Qorprobe";


// What a wrong command line leaves on standard error, in text-mode bytes.
const std::string kUsageError = std::string("Usage : qorprobe ip-address\r\n") + kArgumentsIncorrect + "\r\n";

std::string ProbeRecord(const std::string& message) { return DescribedRecord(kProbeSource, message); }
std::string LookupRecord(const std::string& message) { return DescribedRecord(kLookupSource, message); }

// The parameter text of the start record: every argument followed by a blank.
std::string StartRecord(const std::vector<std::string>& arguments) {
    std::string parameter = "qorprobe ";
    for (const std::string& argument : arguments) parameter += argument + " ";
    return ProbeRecord(kStarted + parameter);
}

std::string EndRecord(int code) { return ProbeRecord(kEnded + std::to_string(code)); }

class QorProbeTest : public SampleInstallation {
protected:
    std::string ExpectedLaunchLine(const std::string& argument) const {
        return "java.exe -cp \"" + AdapterDir() + "SrmAdapter.jar\" " + kDeviceListingClass + " \"" + AdapterDir() +
               "\\\" \"" + argument + "\" \"" + ModuleDir() + "\\\\\"";
    }

    // The class's own arguments as the stand-in's C runtime split them: after
    // the program name, -cp, the archive and the class name.
    std::vector<std::string> ClassArguments() const {
        std::vector<std::string> received = JavaReceived();
        if (received.size() < 5) return {};
        return std::vector<std::string>(received.begin() + 5, received.end());
    }

    bool JavaStarted() const { return FileExists(JavaRecordPath()); }
};

TEST_F(QorProbeTest, StartsTheDeviceListingClassWithTheExampleLine) {
    ProgramResult result = RunCommand("qorprobe", {"192.0.2.1"});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    std::string line = ExpectedLaunchLine("192.0.2.1");
    std::vector<std::string> received = JavaReceived();
    ASSERT_EQ(received.size(), 8u);
    EXPECT_EQ(received[0], line);
    EXPECT_EQ(received[2], "-cp");
    EXPECT_EQ(received[3], AdapterDir() + "SrmAdapter.jar");
    EXPECT_EQ(received[4], kDeviceListingClass);
    EXPECT_EQ(ClassArguments(), (std::vector<std::string>{AdapterDir(), "192.0.2.1", ModuleDir() + "\\"}));
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord({"192.0.2.1"}), ProbeRecord(kStarted + line),
                                        ProbeRecord(kEnded + std::string("0")), EndRecord(0)}));
}

TEST_F(QorProbeTest, AClassResultOtherThanZeroIsOnlyLogged) {
    ProgramResult result = RunCommand("qorprobe", {"192.0.2.1"}, CommandEnvironment(2));

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord({"192.0.2.1"}), ProbeRecord(kStarted + ExpectedLaunchLine("192.0.2.1")),
                                        ProbeRecord(kEnded + std::string("2")), EndRecord(1)}));
}

TEST_F(QorProbeTest, AnInterpreterThatCannotStartIsAnUnexpectedError) {
    Environment environment = CommandEnvironment();
    environment["COMSPEC"] = Root() + "\\no-such-interpreter.exe";
    ProgramResult result = RunCommand("qorprobe", {"192.0.2.1"}, environment);

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(kUnexpectedError) + "\r\n");
    EXPECT_FALSE(JavaStarted());
    // No result record: there was no result.
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord({"192.0.2.1"}), ProbeRecord(kStarted + ExpectedLaunchLine("192.0.2.1")),
                                        ProbeRecord(kUnexpectedError), EndRecord(1)}));
}

TEST_F(QorProbeTest, AMissingJavaLeavesTheInterpretersCodeInTheLog) {
    Environment environment = CommandEnvironment();
    environment["PATH"] = "C:\\windows\\system32;C:\\windows";
    ProgramResult result = RunCommand("qorprobe", {"192.0.2.1"}, environment);

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    // Whatever stands on standard error is the interpreter's, not qorprobe's.
    EXPECT_EQ(result.err.find("qor0"), std::string::npos) << result.err;
    EXPECT_FALSE(JavaStarted());
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord({"192.0.2.1"}), ProbeRecord(kStarted + ExpectedLaunchLine("192.0.2.1")),
                                        ProbeRecord(kEnded + std::string("9009")), EndRecord(1)}));
}

TEST_F(QorProbeTest, TheLaunchRecordHoldsTheWholeLineHoweverLong) {
    std::string address(3000, 'a');
    ProgramResult result = RunCommand("qorprobe", {address});

    EXPECT_EQ(result.exitCode, 0u);
    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 4u);
    // The start record's parameter text stops at 1800 characters; the launch
    // record does not.
    EXPECT_EQ(records[0].message, kStarted + ("qorprobe " + address).substr(0, 1800));
    EXPECT_EQ(records[1].message, kStarted + ExpectedLaunchLine(address));
    EXPECT_EQ(ClassArguments(), (std::vector<std::string>{AdapterDir(), address, ModuleDir() + "\\"}));
}

// Any single argument is the address, whatever it looks like, and reaches the
// class unchanged.
struct AddressCase {
    std::string address;
    std::string inLaunchLine;  // between its quotes, by the Windows argument rules
};

void PrintTo(const AddressCase& address, std::ostream* out) { *out << "[" << address.address << "]"; }

class AcceptedAddressTest : public QorProbeTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(AcceptedAddressTest, ReachesTheClassUnchanged) {
    ProgramResult result = RunCommand("qorprobe", {GetParam().address});

    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ClassArguments(), (std::vector<std::string>{AdapterDir(), GetParam().address, ModuleDir() + "\\"}));
    std::vector<LogRecord> records = ReadLogRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].message, kStarted + ExpectedLaunchLine(GetParam().inLaunchLine));
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AcceptedAddressTest,
    ::testing::Values(AddressCase{"", ""}, AddressCase{"storage-a.example.com", "storage-a.example.com"},
                      AddressCase{"2001:db8::1", "2001:db8::1"}, AddressCase{"two words", "two words"},
                      // The interpreter's own characters stand inside the quotes.
                      AddressCase{"a&b|c<d>e^f(g)h!i", "a&b|c<d>e^f(g)h!i"},
                      // Backslashes before the closing quote are doubled, or the
                      // quote would be taken as part of the address.
                      AddressCase{"host\\", "host\\\\"}, AddressCase{"host\\\\", "host\\\\\\\\"},
                      AddressCase{"\\\\server\\share\\", "\\\\server\\share\\\\"},
                      // Inside the address they stand as they are.
                      AddressCase{"a\\b", "a\\b"}));

// None, or more than one argument: the usage text and the error, nothing started.
class WrongArgumentCountTest : public QorProbeTest,
                               public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(WrongArgumentCountTest, PrintsTheUsageAndStartsNothing) {
    ProgramResult result = RunCommand("qorprobe", GetParam());

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kUsageError);
    EXPECT_FALSE(JavaStarted());
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord(GetParam()), ProbeRecord(kArgumentsIncorrect), EndRecord(1)}));
}

INSTANTIATE_TEST_SUITE_P(Counts, WrongArgumentCountTest,
                         ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"192.0.2.1", "x"},
                                           std::vector<std::string>{"", ""}));

// An address the interpreter would not pass on intact is a wrong command line.
class RefusedCharacterTest : public QorProbeTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(RefusedCharacterTest, PrintsTheUsageAndStartsNothing) {
    ProgramResult result = RunCommand("qorprobe", {GetParam()});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kUsageError);
    EXPECT_FALSE(JavaStarted());
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{StartRecord({GetParam()}), ProbeRecord(kArgumentsIncorrect), EndRecord(1)}));
}

INSTANTIATE_TEST_SUITE_P(Characters, RefusedCharacterTest,
                         ::testing::Values("\"", "192.0.2.1\" & echo injected > x \"", "%PATH%", "100%",
                                           "192.0.2.1\r", "192.0.2.1\nx", "a\\\"b"));

// A caller the rights check refuses sees only that, whatever the command line.
class RefusedCallerTest : public QorProbeTest, public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(RefusedCallerTest, SeesOnlyTheRightsMessage) {
    ProgramResult result = RunCommand("qorprobe_refused", GetParam());

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(kInsufficientPermissions) + "\r\n");
    EXPECT_FALSE(JavaStarted());
    std::string parameter = "qorprobe_refused ";
    for (const std::string& argument : GetParam()) parameter += argument + " ";
    EXPECT_EQ(DescribeRecords(ReadLogRecords()),
              (std::vector<std::string>{ProbeRecord(kStarted + parameter), ProbeRecord(kInsufficientPermissions),
                                        EndRecord(1)}));
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RefusedCallerTest,
                         ::testing::Values(std::vector<std::string>{"192.0.2.1"}, std::vector<std::string>{},
                                           std::vector<std::string>{"a", "b"}, std::vector<std::string>{"%PATH%"}));

// A lookup that fails ends the run before anything is started.
struct LookupFailureCase {
    const char* name;
    void (*breakInstallation)();
    const char* message;
    // Without a readable InstallPath the log has no place, so nothing is logged.
    bool logged;
};

void DeleteRecoveryManager() {
    DeleteRegistryKey(RegistryView::Bits64, kRecoveryManagerKey);
    DeleteRegistryKey(RegistryView::Bits32, kRecoveryManagerKey);
}
void DeleteModule() {
    DeleteRegistryKey(RegistryView::Bits64, kModulePathKey);
    DeleteRegistryKey(RegistryView::Bits32, kModulePathKey);
}
void DeleteBoth() {
    DeleteRecoveryManager();
    DeleteModule();
}
void StoreInstallPathAsNumber() {
    SetRegistryValue(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", REG_DWORD, std::string("\1\0\0\0", 4));
}
void StoreModulePathAsNumber() {
    SetRegistryValue(RegistryView::Bits64, kModulePathKey, "PathName", REG_DWORD, std::string("\1\0\0\0", 4));
}
void StoreModulePathTooLong() { SetRegistryString(RegistryView::Bits64, kModulePathKey, "PathName", std::string(260, 'M')); }
void StoreModulePathTooShort() { SetRegistryString(RegistryView::Bits64, kModulePathKey, "PathName", "D"); }

class LookupFailureTest : public QorProbeTest, public ::testing::WithParamInterface<LookupFailureCase> {};

TEST_P(LookupFailureTest, ReportsTheLookupsMessageAndStartsNothing) {
    GetParam().breakInstallation();
    ProgramResult result = RunCommand("qorprobe", {"192.0.2.1"});

    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string(GetParam().message) + "\r\n");
    EXPECT_FALSE(JavaStarted());
    if (GetParam().logged) {
        EXPECT_EQ(DescribeRecords(ReadLogRecords()),
                  (std::vector<std::string>{StartRecord({"192.0.2.1"}), LookupRecord(GetParam().message), EndRecord(1)}));
    } else {
        EXPECT_FALSE(FileExists(LogPath()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Installations, LookupFailureTest,
    ::testing::Values(LookupFailureCase{"RecoveryManagerMissing", &DeleteRecoveryManager, kRecoveryManagerNotInstalled, false},
                      LookupFailureCase{"ModuleMissing", &DeleteModule, kModuleNotInstalled, true},
                      // The recovery manager is looked up first, so its message alone shows.
                      LookupFailureCase{"BothMissing", &DeleteBoth, kRecoveryManagerNotInstalled, false},
                      LookupFailureCase{"InstallPathNotText", &StoreInstallPathAsNumber, kUnexpectedError, false},
                      LookupFailureCase{"ModulePathNotText", &StoreModulePathAsNumber, kUnexpectedError, true},
                      LookupFailureCase{"ModulePathTooLong", &StoreModulePathTooLong, kUnexpectedError, true},
                      LookupFailureCase{"ModulePathTooShort", &StoreModulePathTooShort, kUnexpectedError, true}),
    [](const ::testing::TestParamInfo<LookupFailureCase>& info) { return std::string(info.param.name); });

}  // namespace
