// Runs a built program as a user would: an exact command line (argument 0
// included), an exact environment, standard output and error captured.
#pragma once

#include "Win32Owners.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct CaseInsensitiveLess {
    bool operator()(const std::string& left, const std::string& right) const {
        return _stricmp(left.c_str(), right.c_str()) < 0;
    }
};
// Variable names compare as Windows compares them.
using Environment = std::map<std::string, std::string, CaseInsensitiveLess>;

// The test program's own environment, to start from.
Environment CurrentEnvironment();

struct ProgramResult {
    DWORD exitCode = 0;
    std::string out;  // standard output, bytes as written
    std::string err;  // standard error, bytes as written
};

// Arguments joined into one command line by the Windows rules, each quoted
// only where it needs quotes.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

// A program started and not yet waited for, so that several run at once.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::string& commandLine, const Environment& environment,
                   const std::string& workingDirectory = "");
    RunningProgram(RunningProgram&&) = default;
    ~RunningProgram();

    ProgramResult Wait();
    HANDLE Process() const { return process_.get(); }

private:
    UniqueHandle process_;
    std::string outPath_;
    std::string errPath_;
};

ProgramResult RunProgram(const std::string& program, const std::string& commandLine, const Environment& environment,
                         const std::string& workingDirectory = "");
