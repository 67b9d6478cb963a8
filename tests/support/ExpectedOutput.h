// What the commands are expected to print and log, written out here once so
// that the tests compare against the texts themselves, not the program's own
// constants.
#pragma once

#include <string>

// The messages, the record text prefixes and the lookups' source name.
inline constexpr char kArgumentsIncorrect[] = "qor0010 The command line arguments are incorrect.";
inline constexpr char kUnexpectedError[] = "qor0011 An unexpected error occurred.";
inline constexpr char kInsufficientPermissions[] =
    "qor0013 This command was unable to run due to insufficient permissions.";
inline constexpr char kRecoveryManagerNotInstalled[] = "qor0407 VMware Site Recovery Manager is not installed.";
inline constexpr char kModuleNotInstalled[] = "qor0410 Aldren Tessavar Manager Vardel Module is not installed.";
inline constexpr char kStarted[] = "qor0100 Execution of the command started. Parameter=";
inline constexpr char kEnded[] = "qor0101 Execution of the command ended. Return code=";
inline constexpr char kLookupSource[] = "..\\..\\src\\common\\CQorCommon";

// qorgroups' usage text as the program writes it.
inline constexpr char kQorGroupsUsage[] =
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

// Text as it arrives from a program's standard output or error: the C
// runtime writes each line feed as CRLF.
inline std::string AsCaptured(const std::string& text) {
    std::string captured;
    for (char character : text) {
        if (character == '\n') captured += '\r';
        captured += character;
    }
    return captured;
}

inline std::string StartRecordText(const std::string& parameterText) {
    return kStarted + parameterText;
}

inline std::string EndRecordText(int returnCode) {
    return kEnded + std::to_string(returnCode);
}
