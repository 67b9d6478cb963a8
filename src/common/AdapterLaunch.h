// Starting an adapter class: the launch line is recorded, run through the
// command interpreter, and its result recorded and returned.
#pragma once

#include "LaunchLine.h"

#include <string>

// Runs a command line through the command interpreter and waits: its exit
// code, or -1 when no interpreter could be started (the C runtime's system).
using CommandRunner = int (*)(const char* commandLine);

int RunThroughInterpreter(const char* commandLine);

// Both installations the launch line names, looked up in this order: the
// adapter directory first, so a host with neither reports the recovery manager.
struct InstallationDirectories {
    std::string adapterDir;
    std::string moduleDir;
};
InstallationDirectories LookUpInstallationDirectories();

// The adapter's archive inside the adapter directory.
std::string AdapterClassPath(const InstallationDirectories& directories);

// Records the whole launch line, runs it and records the result; raises the
// unexpected error when no interpreter could be started.
int RunLaunchLine(const char* sourceFile, const std::string& launchLine, CommandRunner run = &RunThroughInterpreter);
