#include "ProgramRunner.h"

#include "Files.h"
#include "LaunchLine.h"

#include <stdexcept>

namespace {

std::string NewTemporaryFile(const char* prefix) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    char path[MAX_PATH];
    if (GetTempFileNameA(folder, prefix, 0, path) == 0) throw std::runtime_error("no temporary file");
    return path;
}

UniqueFile OpenInheritable(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return UniqueFile(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string EnvironmentBlock(const Environment& environment) {
    std::string block;
    for (const auto& [name, value] : environment) {
        block += name + "=" + value;
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}

}  // namespace

Environment CurrentEnvironment() {
    Environment environment;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry != '\0'; entry += strlen(entry) + 1) {
        std::string text = entry;
        size_t equals = text.find('=', 1);  // names such as "=C:" begin with '='
        if (equals != std::string::npos) environment[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsA(strings);
    return environment;
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) line.push_back(' ');
        bool plain = !argument.empty() && argument.find_first_of(" \t\"") == std::string::npos;
        if (plain) {
            line += argument;
            continue;
        }
        line += QuoteArgument(argument);
    }
    return line;
}

RunningProgram::RunningProgram(const std::string& program, const std::string& commandLine,
                               const Environment& environment, const std::string& workingDirectory)
    : outPath_(NewTemporaryFile("out")), errPath_(NewTemporaryFile("err")) {
    UniqueFile input = OpenInheritable("NUL", GENERIC_READ, OPEN_EXISTING);
    UniqueFile output = OpenInheritable(outPath_, GENERIC_WRITE, CREATE_ALWAYS);
    UniqueFile error = OpenInheritable(errPath_, GENERIC_WRITE, CREATE_ALWAYS);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.get();
    startup.hStdOutput = output.get();
    startup.hStdError = error.get();

    std::string block = EnvironmentBlock(environment);
    std::string line = commandLine;  // CreateProcessA may write into it
    PROCESS_INFORMATION started = {};
    // Wine now and then fails a start with ERROR_INTERNAL_ERROR when the
    // machine is loaded; the same start then goes through. Nothing of the
    // program has run in that case, so trying again changes no result.
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, block.data(),
                           workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &started)) {
            break;
        }
        DWORD error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR || attempt == 5) {
            throw std::runtime_error("cannot start " + program + ": error " + std::to_string(error));
        }
        line = commandLine;
        Sleep(100 * attempt);
    }
    CloseHandle(started.hThread);
    process_.reset(started.hProcess);
}

RunningProgram::~RunningProgram() {
    if (process_.valid()) WaitForSingleObject(process_.get(), INFINITE);
    if (!outPath_.empty()) DeleteFileA(outPath_.c_str());
    if (!errPath_.empty()) DeleteFileA(errPath_.c_str());
}

ProgramResult RunningProgram::Wait() {
    ProgramResult result;
    WaitForSingleObject(process_.get(), INFINITE);
    GetExitCodeProcess(process_.get(), &result.exitCode);
    process_.reset();
    result.out = ReadFileBytes(outPath_);
    result.err = ReadFileBytes(errPath_);
    return result;
}

ProgramResult RunProgram(const std::string& program, const std::string& commandLine, const Environment& environment,
                         const std::string& workingDirectory) {
    return RunningProgram(program, commandLine, environment, workingDirectory).Wait();
}
