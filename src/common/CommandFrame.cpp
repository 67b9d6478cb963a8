#include "CommandFrame.h"

#include "CQorException.h"
#include "CommandLog.h"
#include "ConsoleOutput.h"
#include "Messages.h"
#include "ParameterText.h"

#include <cstdio>
#include <new>

namespace {

// A handler's record and message. The record is written first; should even
// that fail for want of memory, the user still sees the message.
void ReportFailure(CommandLog& log, const char* sourceFile, int line, const char* message) {
    try {
        log.Write(sourceFile, line, message);
    } catch (...) {
    }
    PrintLine(stderr, message);
}

// Standard error is unbuffered, and the C runtime then hands a text to
// Windows a byte or two at a time: the 15-line usage text became hundreds of
// writes. Every text is flushed whole, so a buffer changes only the number of
// writes. Set once: a stream's buffer may change only before its first use.
void BufferStandardError() {
    static char buffer[BUFSIZ];
    static bool buffered = false;
    if (buffered) return;
    std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
    buffered = true;
}

}  // namespace

int RunCommandFrame(const CommandFrame& frame, int argc, char** argv) {
    BufferStandardError();
    CommandLog log;
    int exitCode = 0;
    try {
        log.Write(frame.sourceFile, __LINE__, Messages::CommandStartedText(BuildParameterText(argc, argv)));
        if (frame.rightsCheck != nullptr && frame.rightsCheck() != ERROR_SUCCESS) {
            throw CQorException(frame.sourceFile, __LINE__, Messages::kInsufficientPermissions);
        }
        exitCode = frame.action(argc, argv);
    } catch (const CQorException& error) {
        PrintLine(stderr, error.GetMessageText());
        exitCode = 1;
    } catch (const std::bad_alloc&) {
        if (frame.reportsMemoryExhaustion) {
            ReportFailure(log, frame.sourceFile, __LINE__, Messages::kMemoryAllocationFailed);
        } else {
            ReportFailure(log, frame.sourceFile, __LINE__, Messages::kUnexpectedError);
        }
        exitCode = 1;
    } catch (...) {
        ReportFailure(log, frame.sourceFile, __LINE__, Messages::kUnexpectedError);
        exitCode = 1;
    }

    // The end record closes every run; a memory failure here costs the record,
    // never the exit code.
    try {
        log.Write(frame.sourceFile, __LINE__, Messages::CommandEndedText(exitCode));
    } catch (...) {
    }
    return exitCode;
}

void RejectCommandLine(const char* sourceFile, int line, const char* usage) {
    std::fputs(usage, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    throw CQorException(sourceFile, line, Messages::kArgumentsIncorrect);
}
