#include "CQorException.h"

#include "CommandLog.h"

CQorException::CQorException(const char* sourceFile, int line, const std::string& message)
    : sourceFile_(sourceFile), line_(line), message_(message) {
    CommandLog log;
    log.Write(sourceFile, line, message);
}
