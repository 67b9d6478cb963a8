#include "MQorGroups.h"

#include "CommandLog.h"

namespace {

constexpr char kSourceFile[] = "..\\..\\src\\qorgroups\\MQorGroups";
constexpr char kCopyGroupClass[] = "com.velcora.aldren.qvx.addon.vmware.srm.Qorgroups";

constexpr char kUsage[] =
    "Usage: qorgroups <sub-command> <option> <suboption>\n"
    "  sub-command   : query     Query Copy Group in SRA\n"
    "                  add       Add Copy Group to SRA\n"
    "                  change    Update Copy Group Infomation in SRA\n"
    "                  remove    Remove Copy Group in SRA\n"
    "  option (*1)   : -detail\n"
    "                  -g REP-GRP-NAME    Replication Copy Group Name\n"
    "                  -sg SNP-GRP-NAME   Snapshot Copy Group Name for FailoverTest\n"
    "                  -cg REP-GRP-NAME   Replication Copy Group Name for Consistent Failover/FailoverTest\n"
    "                  -bg SNP-GRP-NAME   Snapshot Copy Group Name for Backup\n"
    "  suboption (*2): -notest\n"
    "\n"
    "  *1)-detail option is possible to specify it for query subcommand.\n"
    "  *1)-g -sg -bg -cg option are possible to specify it for add, change, remove subcommand.\n"
    "  *2)-notest suboption is possible to specify it for add -cg, change -cg subcommand.\n";

int CopyGroupCommand(int argc, char** argv) {
    std::optional<CopyGroupRequest> request = ParseCopyGroupArguments(argc, argv);
    if (!request) RejectCommandLine(kSourceFile, __LINE__, kUsage);
    return LaunchAdapterClass(*request) == 0 ? 0 : 1;
}

}  // namespace

int LaunchAdapterClass(const CopyGroupRequest& request, CommandRunner run) {
    CommandLog log;
    InstallationDirectories directories = LookUpInstallationDirectories();
    LaunchLine line{AdapterClassPath(directories),
                    "-Dcom.velcora.aldren.qvx.vdl.sysprop=" +
                        QuoteArgument(directories.moduleDir + "\\sys\\sys.properties"),
                    kCopyGroupClass,
                    {directories.adapterDir, directories.moduleDir + "\\", "", request.subCommand, request.option,
                     request.groupName, request.suboption}};
    return RunLaunchLine(kSourceFile, BuildLaunchLine(line), run);
}

int RunQorGroups(int argc, char** argv, RightsCheck rightsCheck) {
    CommandFrame frame{kSourceFile, rightsCheck, true, &CopyGroupCommand};
    return RunCommandFrame(frame, argc, argv);
}
