#include "QorGroupsFixture.h"

std::string PrintedMessage(const std::string& message) { return message + "\r\n"; }

std::string RejectedLineOutput() {
    return AsCaptured(std::string(kQorGroupsUsage) + "\n") + PrintedMessage("qor0010 The command line arguments are incorrect.");
}

std::vector<std::string> MessagesOf(const std::vector<LogRecord>& records) {
    std::vector<std::string> messages;
    for (const LogRecord& record : records) messages.push_back(record.message);
    return messages;
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
