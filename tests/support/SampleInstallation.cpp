#include "SampleInstallation.h"

#include "Files.h"
#include "InstallationKeys.h"
#include "WinePlatform.h"

#include <cctype>

namespace {

std::string TestFolderName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& character : name) {
        if (!std::isalnum(static_cast<unsigned char>(character)) && character != '.') character = '_';
    }
    return name;
}

}  // namespace

std::string ProgramPath(const std::string& program) { return JoinPath(ProgramsDirectory(), program + ".exe"); }

void SampleInstallation::SetUp() {
    QOR_REQUIRE_WINE();
    root_ = "C:\\qortest\\" + TestFolderName();
    RemoveTree(root_);
    MakeDirectories(AdapterDir() + "log");
    MakeDirectories(ModuleDir());

    DeleteInstallationKeys();
    SetRegistryString(RegistryView::Bits64, kRecoveryManagerKey, "InstallPath", InstallPath());
    SetRegistryString(RegistryView::Bits64, kModulePathKey, "PathName", ModuleDir());
    SetRegistryString(RegistryView::Bits64, kModuleVersionKey, "VersionLevel", kSampleVersion);
}

void SampleInstallation::TearDown() {
    if (root_.empty()) return;
    DeleteInstallationKeys();
    RemoveTree(root_);
}

std::string SampleInstallation::InstallPath() const { return root_ + "\\SRM\\"; }
std::string SampleInstallation::AdapterDir() const { return InstallPath() + kAdapterSubdirectory; }
std::string SampleInstallation::LogPath() const { return AdapterDir() + "log\\sracmd.log"; }
std::string SampleInstallation::BackupPath() const { return LogPath() + ".bak"; }
std::string SampleInstallation::ModuleDir() const { return root_ + "\\Module"; }

std::string SampleInstallation::ReadLog() const { return ReadFileBytes(LogPath()); }
std::vector<LogRecord> SampleInstallation::ReadLogRecords() const { return ParseLogRecords(ReadLog()); }

std::string SampleInstallation::JavaRecordPath() const { return root_ + "\\java-received"; }

Environment SampleInstallation::CommandEnvironment(int javaExit) const {
    Environment environment = CurrentEnvironment();
    environment["PATH"] = JoinPath(ProgramsDirectory(), "fakejava") + ";" + environment["PATH"];
    environment["QORTEST_JAVA_RECORD"] = JavaRecordPath();
    environment["QORTEST_JAVA_EXIT"] = std::to_string(javaExit);
    return environment;
}

std::vector<std::string> SampleInstallation::JavaReceived() const {
    std::string bytes = ReadFileBytes(JavaRecordPath());
    std::vector<std::string> received;
    size_t start = 0;
    for (size_t end = bytes.find('\0'); end != std::string::npos; end = bytes.find('\0', start)) {
        received.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return received;
}

ProgramResult SampleInstallation::RunCommand(const std::string& program, const std::vector<std::string>& arguments,
                                             const Environment& environment) const {
    std::vector<std::string> all{program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunCommandLine(program, JoinCommandLine(all), environment);
}

ProgramResult SampleInstallation::RunCommand(const std::string& program,
                                             const std::vector<std::string>& arguments) const {
    return RunCommand(program, arguments, CommandEnvironment());
}

ProgramResult SampleInstallation::RunCommandLine(const std::string& program, const std::string& commandLine,
                                                 const Environment& environment) const {
    return RunProgram(ProgramPath(program), commandLine, environment, root_);
}
