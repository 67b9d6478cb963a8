// Finds the command log's path from the recovery manager's InstallPath.
// This reading belongs to the log alone: its own buffer, its own view
// fallback, no errors raised and no messages written.
#pragma once

#include <string>

// True and the full path of sracmd.log, or false when the installation
// cannot be read.
bool LocateCommandLog(std::string* logPath);
