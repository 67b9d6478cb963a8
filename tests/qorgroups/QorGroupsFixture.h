// What the end-to-end tests of qorgroups share: the sample installation,
// the texts the command prints and a reading of what the class received.
#pragma once

#include "ExpectedOutput.h"
#include "SampleInstallation.h"

#include <string>
#include <vector>

// Standard error of every wrong command line: usage, an empty line, qor0010.
std::string RejectedLineOutput();
// One message as the frame prints it on standard error.
std::string PrintedMessage(const std::string& message);

inline constexpr char kGroupsSource[] = "..\\..\\src\\qorgroups\\MQorGroups";
inline constexpr char kCopyGroupClass[] = "com.velcora.aldren.qvx.addon.vmware.srm.Qorgroups";

std::vector<std::string> MessagesOf(const std::vector<LogRecord>& records);

class QorGroupsTest : public SampleInstallation {
public:
    // The stand-in's argv after java.exe: -cp, class path, property, class,
    // then the seven class arguments.
    std::vector<std::string> JavaArguments() const;
    // The seven arguments the copy-group class received; empty when java did
    // not run.
    std::vector<std::string> ClassArguments() const;

    ProgramResult RunGroups(const std::vector<std::string>& arguments) const;
    ProgramResult RunGroups(const std::vector<std::string>& arguments, const Environment& environment) const;

    // Exposed for tables of cases, which arrange the registry from outside.
    using SampleInstallation::AdapterDir;
    using SampleInstallation::InstallPath;
    using SampleInstallation::LogPath;
    using SampleInstallation::ModuleDir;
    using SampleInstallation::Root;
};
