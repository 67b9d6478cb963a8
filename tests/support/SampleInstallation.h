// A fixture with a sample installation in the Wine prefix: the recovery
// manager with the adapter's folder and its log folder, the storage module,
// and their registry values in the 64-bit view. Each test gets folders of its
// own and a registry cleared of both products first.
#pragma once

#include "LogRecords.h"
#include "ProgramRunner.h"
#include "RegistryEditor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr char kSampleVersion[] = "8.5.0-00";

class SampleInstallation : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Folders of this test, each a Windows path.
    const std::string& Root() const { return root_; }
    std::string InstallPath() const;  // the recovery manager, ending with a backslash
    std::string AdapterDir() const;   // ending with a backslash
    std::string LogPath() const;
    std::string BackupPath() const;
    std::string ModuleDir() const;    // no trailing backslash

    std::string ReadLog() const;
    std::vector<LogRecord> ReadLogRecords() const;

    // The test's own environment, with the stand-in java.exe first on the
    // search path, recording to JavaRecordPath() and exiting with `javaExit`.
    Environment CommandEnvironment(int javaExit = 0) const;
    std::string JavaRecordPath() const;
    // What the stand-in received: [0] its whole command line, then argv[0..].
    // Empty when it did not run.
    std::vector<std::string> JavaReceived() const;

    // Runs one of the built programs ("qorgroups", ...) with argument 0 as a
    // user types it, then `arguments`, quoted where needed.
    ProgramResult RunCommand(const std::string& program, const std::vector<std::string>& arguments,
                             const Environment& environment) const;
    ProgramResult RunCommand(const std::string& program, const std::vector<std::string>& arguments) const;
    // The same with an exact command line.
    ProgramResult RunCommandLine(const std::string& program, const std::string& commandLine,
                                 const Environment& environment) const;

private:
    std::string root_;
};

// The full path of a built program beside the test program.
std::string ProgramPath(const std::string& program);
