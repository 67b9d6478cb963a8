#include "MQorProbe.h"

#include "CommandLog.h"

namespace {

constexpr char kSourceFile[] = "..\\..\\src\\qorprobe\\MQorProbe";
constexpr char kDeviceListingClass[] = "com.velcora.aldren.qvx.addon.vmware.srm.Qorprobe";

// No line feed of its own: the frame's one ends it, with no empty line after.
constexpr char kUsage[] = "Usage : qorprobe ip-address";

int DeviceListingCommand(int argc, char** argv) {
    // The address is free text, but it travels through the command
    // interpreter: what the interpreter would not pass on intact is refused.
    if (argc != 2 || !CanPassThroughInterpreter(argv[1])) RejectCommandLine(kSourceFile, __LINE__, kUsage);
    return LaunchAdapterClass(argv[1]) == 0 ? 0 : 1;
}

}  // namespace

int LaunchAdapterClass(const std::string& address, CommandRunner run) {
    CommandLog log;
    InstallationDirectories directories = LookUpInstallationDirectories();
    LaunchLine line{AdapterClassPath(directories), "", kDeviceListingClass,
                    {directories.adapterDir, address, directories.moduleDir + "\\"}};
    return RunLaunchLine(kSourceFile, BuildLaunchLine(line), run);
}

int RunQorProbe(int argc, char** argv, RightsCheck rightsCheck) {
    CommandFrame frame{kSourceFile, rightsCheck, true, &DeviceListingCommand};
    return RunCommandFrame(frame, argc, argv);
}
