#include "Messages.h"

#include <cstdio>

namespace Messages {

// The record texts are built to their full length: a launch line has no bound
// of its own, so no fixed buffer may cut or overrun it.
std::string CommandStartedText(const std::string& parameter) {
    int length = std::snprintf(nullptr, 0, kCommandStarted, parameter.c_str());
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, kCommandStarted, parameter.c_str());
    return text;
}

std::string CommandEndedText(int returnCode) {
    char text[64];
    std::snprintf(text, sizeof text, kCommandEnded, returnCode);
    return text;
}

}  // namespace Messages
