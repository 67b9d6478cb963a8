#include "QorGroupsFixture.h"

const char kUsageBytes[] =
    "Usage: qorgroups <sub-command> <option> <suboption>\r\n"
    "  sub-command   : query     Query Copy Group in SRA\r\n"
    "                  add       Add Copy Group to SRA\r\n"
    "                  change    Update Copy Group Infomation in SRA\r\n"
    "                  remove    Remove Copy Group in SRA\r\n"
    "  option (*1)   : -detail\r\n"
    "                  -g REP-GRP-NAME    Replication Copy Group Name\r\n"
    "                  -sg SNP-GRP-NAME   Snapshot Copy Group Name for FailoverTest\r\n"
    "                  -cg REP-GRP-NAME   Replication Copy Group Name for Consistent Failover/FailoverTest\r\n"
    "                  -bg SNP-GRP-NAME   Snapshot Copy Group Name for Backup\r\n"
    "  suboption (*2): -notest\r\n"
    "\r\n"
    "  *1)-detail option is possible to specify it for query subcommand.\r\n"
    "  *1)-g -sg -bg -cg option are possible to specify it for add, change, remove subcommand.\r\n"
    "  *2)-notest suboption is possible to specify it for add -cg, change -cg subcommand.\r\n";

std::string PrintedMessage(const std::string& message) { return message + "\r\n"; }

std::string RejectedLineOutput() {
    return std::string(kUsageBytes) + "\r\n" + PrintedMessage("qor0010 The command line arguments are incorrect.");
}

std::vector<std::string> MessagesOf(const std::vector<LogRecord>& records) {
    std::vector<std::string> messages;
    for (const LogRecord& record : records) messages.push_back(record.message);
    return messages;
}

std::string StartedRecord(const std::string& parameter) {
    return "qor0100 Execution of the command started. Parameter=" + parameter;
}

std::string EndedRecord(int returnCode) {
    return "qor0101 Execution of the command ended. Return code=" + std::to_string(returnCode);
}

std::vector<std::string> QorGroupsTest::JavaArguments() const {
    std::vector<std::string> received = JavaReceived();
    if (received.size() < 2) return {};
    return std::vector<std::string>(received.begin() + 2, received.end());
}

std::vector<std::string> QorGroupsTest::ClassArguments() const {
    std::vector<std::string> arguments = JavaArguments();
    if (arguments.size() < 4) return {};
    return std::vector<std::string>(arguments.begin() + 4, arguments.end());
}

ProgramResult QorGroupsTest::RunGroups(const std::vector<std::string>& arguments) const {
    return RunCommand("qorgroups", arguments);
}

ProgramResult QorGroupsTest::RunGroups(const std::vector<std::string>& arguments,
                                       const Environment& environment) const {
    return RunCommand("qorgroups", arguments, environment);
}
