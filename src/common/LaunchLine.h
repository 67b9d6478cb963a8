// Building the java.exe command line that starts an adapter class. Pure text
// work, kept apart from running it.
#pragma once

#include <string>
#include <vector>

// One argument in double quotes by the Windows argument rules: backslashes
// directly before a quote (the closing one included) are doubled and an inner
// quote is escaped, so the class receives exactly `value`.
std::string QuoteArgument(const std::string& value);

// False for text that the command interpreter would not pass on intact: a
// double quote lets the rest run as commands, % expands variables, and a
// carriage return or line feed ends the command.
bool CanPassThroughInterpreter(const std::string& value);

struct LaunchLine {
    std::string classPath;                // the adapter archive
    std::string systemProperty;           // "-Dname=" and its quoted value; empty for none
    const char* className;
    std::vector<std::string> arguments;  // what the class receives, each quoted
};

// "java.exe -cp <class path> [<property>] <class> <arguments...>", blanks between.
std::string BuildLaunchLine(const LaunchLine& line);
