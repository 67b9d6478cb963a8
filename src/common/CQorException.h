// The one error type of the commands. Creating one writes its record to the
// command log at once, where the error is raised; copies write nothing. Only
// the command frame catches it.
#pragma once

#include <string>

class CQorException {
public:
    CQorException(const char* sourceFile, int line, const std::string& message);

    std::string GetMessageText() const { return message_; }
    const std::string& GetSourceFile() const { return sourceFile_; }
    int GetLine() const { return line_; }

private:
    std::string sourceFile_;
    int line_;
    std::string message_;
};
