#include "MQorModule.h"

#include "CommandFrame.h"
#include "ConsoleOutput.h"

#include <cstring>

namespace {

constexpr char kSourceFile[] = "..\\..\\src\\qormodule\\MQorModule";

constexpr char kUsage[] =
    "Usage : qormodule <option>\n"
    "  option : -path    Get VDL install path\n"
    "           -version Get VDL version\n";

// The lookups of the current run: the frame calls the command through a plain
// function pointer, which carries no state of its own.
ModuleLookup lookUpPath = &GetVdlPath;
ModuleLookup lookUpVersion = &GetVdlVersion;

int ModuleInformationCommand(int argc, char** argv) {
    if (argc != 2) RejectCommandLine(kSourceFile, __LINE__, kUsage);
    if (std::strcmp(argv[1], "-version") == 0) {
        PrintLine(stdout, lookUpVersion());
    } else if (std::strcmp(argv[1], "-path") == 0) {
        PrintLine(stdout, lookUpPath());
    } else {
        RejectCommandLine(kSourceFile, __LINE__, kUsage);
    }
    return 0;
}

}  // namespace

int RunQorModule(int argc, char** argv, ModuleLookup pathLookup, ModuleLookup versionLookup) {
    lookUpPath = pathLookup;
    lookUpVersion = versionLookup;
    // Reading the registry needs no rights of its own, and a failed allocation
    // is reported as an unexpected error.
    CommandFrame frame{kSourceFile, nullptr, false, &ModuleInformationCommand};
    return RunCommandFrame(frame, argc, argv);
}
