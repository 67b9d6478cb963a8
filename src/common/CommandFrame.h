// The frame every command runs in: a hold on the log for the whole run, the
// start record, the rights check where the command needs it, the command's
// own validation and action, one line on standard error for any failure, and
// the end record on every path.
#pragma once

#include "CheckAdminRights.h"

#include <string>

using RightsCheck = DWORD (*)();
// Validates the arguments and acts on them; returns the command's exit code.
using CommandAction = int (*)(int argc, char** argv);

struct CommandFrame {
    const char* sourceFile;       // names the frame's records and errors
    RightsCheck rightsCheck;      // nullptr: the command runs for anyone
    bool reportsMemoryExhaustion; // false: a failed allocation is an unexpected error
    CommandAction action;
};

int RunCommandFrame(const CommandFrame& frame, int argc, char** argv);

// Prints the usage text and an empty line on standard error, then raises the
// wrong-command-line error from the caller's source and line.
[[noreturn]] void RejectCommandLine(const char* sourceFile, int line, const char* usage);
