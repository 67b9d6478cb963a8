#include "LaunchLine.h"

std::string QuoteArgument(const std::string& value) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char character : value) {
        if (character == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are plain characters unless a quote follows them.
        size_t copies = character == '"' ? 2 * backslashes + 1 : backslashes;
        quoted.append(copies, '\\');
        quoted.push_back(character);
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    quoted.push_back('"');
    return quoted;
}

bool CanPassThroughInterpreter(const std::string& value) {
    return value.find_first_of("\"%\r\n") == std::string::npos;
}

std::string BuildLaunchLine(const LaunchLine& line) {
    std::string text = "java.exe -cp ";
    text.append(QuoteArgument(line.classPath));
    if (!line.systemProperty.empty()) text.append(" ").append(line.systemProperty);
    text.append(" ").append(line.className);
    for (const std::string& argument : line.arguments) text.append(" ").append(QuoteArgument(argument));
    return text;
}
