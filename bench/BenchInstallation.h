// The installation the benchmarks run against: the recovery manager's
// InstallPath and the module's values in the 64-bit registry view, and the
// adapter's log folder, all under C:\qorbench. It writes HKEY_LOCAL_MACHINE,
// so it is made only inside a Wine prefix, never on a real host.
#pragma once

#include <string>

// Makes the installation (again). False, with a message on standard error,
// when not running under Wine or when the registry cannot be written.
bool SetUpBenchInstallation();

// The command log of that installation, and a scratch folder beside it.
std::string BenchLogPath();
std::string BenchScratchFolder();
