// The grammar of the copy-group command line. Pure: arguments in, the four
// values handed to the adapter class out, or nothing for a wrong line.
#pragma once

#include <optional>
#include <string>

struct CopyGroupRequest {
    std::string subCommand;
    std::string option;
    std::string groupName;
    std::string suboption;
};

// argv[0] is the command name and plays no part.
std::optional<CopyGroupRequest> ParseCopyGroupArguments(int argc, char** argv);
