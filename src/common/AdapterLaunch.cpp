#include "AdapterLaunch.h"

#include "CQorCommon.h"
#include "CQorException.h"
#include "CommandLog.h"
#include "Messages.h"

#include <cstdlib>

int RunThroughInterpreter(const char* commandLine) { return std::system(commandLine); }

InstallationDirectories LookUpInstallationDirectories() {
    InstallationDirectories directories;
    directories.adapterDir = GetAdapterDir();
    directories.moduleDir = GetVdlPath();
    return directories;
}

std::string AdapterClassPath(const InstallationDirectories& directories) {
    return directories.adapterDir + "SrmAdapter.jar";
}

int RunLaunchLine(const char* sourceFile, const std::string& launchLine, CommandRunner run) {
    CommandLog log;
    // The line is recorded whole, however long: it is what ran.
    log.Write(sourceFile, __LINE__, Messages::CommandStartedText(launchLine));
    int result = run(launchLine.c_str());
    if (result == -1) throw CQorException(sourceFile, __LINE__, Messages::kUnexpectedError);
    log.Write(sourceFile, __LINE__, Messages::CommandEndedText(result));
    return result;
}
