#include "MQorModule.h"

#include "CQorCommon.h"
#include "CommandFrame.h"
#include "ConsoleOutput.h"

#include <cstring>

namespace {

constexpr char kSourceFile[] = "..\\..\\src\\qormodule\\MQorModule";

constexpr char kUsage[] =
    "Usage : qormodule <option>\n"
    "  option : -path    Get VDL install path\n"
    "           -version Get VDL version\n";

int ModuleInformationCommand(int argc, char** argv) {
    if (argc != 2) RejectCommandLine(kSourceFile, __LINE__, kUsage);
    if (std::strcmp(argv[1], "-version") == 0) {
        PrintLine(stdout, GetVdlVersion());
    } else if (std::strcmp(argv[1], "-path") == 0) {
        PrintLine(stdout, GetVdlPath());
    } else {
        RejectCommandLine(kSourceFile, __LINE__, kUsage);
    }
    return 0;
}

}  // namespace

int RunQorModule(int argc, char** argv) {
    // Reading the registry needs no rights of its own, and a failed allocation
    // is reported as an unexpected error.
    CommandFrame frame{kSourceFile, nullptr, false, &ModuleInformationCommand};
    return RunCommandFrame(frame, argc, argv);
}
