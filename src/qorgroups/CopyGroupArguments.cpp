#include "CopyGroupArguments.h"

#include "LaunchLine.h"

#include <cstring>
#include <initializer_list>

namespace {

// Whole words, case-sensitive: nothing is trimmed, folded or abbreviated.
bool IsOneOf(const char* argument, std::initializer_list<const char*> words) {
    for (const char* word : words) {
        if (std::strcmp(argument, word) == 0) return true;
    }
    return false;
}

}  // namespace

std::optional<CopyGroupRequest> ParseCopyGroupArguments(int argc, char** argv) {
    switch (argc - 1) {
    case 1:
        if (!IsOneOf(argv[1], {"query"})) return std::nullopt;
        return CopyGroupRequest{argv[1], "", "", ""};
    case 2:
        if (!IsOneOf(argv[1], {"query"}) || !IsOneOf(argv[2], {"-detail"})) return std::nullopt;
        return CopyGroupRequest{argv[1], argv[2], "", ""};
    case 3:
        if (!IsOneOf(argv[1], {"add", "change", "remove"}) || !IsOneOf(argv[2], {"-g", "-sg", "-bg", "-cg"})) {
            return std::nullopt;
        }
        break;
    case 4:
        if (!IsOneOf(argv[1], {"add", "change"}) || !IsOneOf(argv[2], {"-cg"}) || !IsOneOf(argv[4], {"-notest"})) {
            return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }
    // The group name is free text, but it travels through the command
    // interpreter: what the interpreter would not pass on intact is refused.
    if (!CanPassThroughInterpreter(argv[3])) return std::nullopt;
    return CopyGroupRequest{argv[1], argv[2], argv[3], argc == 5 ? argv[4] : ""};
}
