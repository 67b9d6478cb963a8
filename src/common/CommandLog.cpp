#include "CommandLog.h"

#include "LogLocation.h"
#include "LogSizeLimit.h"
#include "RecordFormat.h"
#include "Win32Owners.h"

namespace {

// Process-wide: one log file, shared by every hold of the process. The
// commands are single-threaded, so plain counts do.
struct LogState {
    UniqueFile file;
    std::string path;
    DWORD processId = 0;
    int useCount = 0;
};

LogState& State() {
    static LogState state;
    return state;
}

constexpr DWORD kCopyBufferSize = 2048;

}  // namespace

CommandLog::CommandLog() { ++State().useCount; }

CommandLog::~CommandLog() {
    LogState& state = State();
    if (--state.useCount == 0) state.file.reset();
}

void CommandLog::ForgetLocation() { State().path.clear(); }

bool CommandLog::Open() {
    LogState& state = State();
    if (state.file.valid()) return true;
    if (state.processId == 0) state.processId = GetCurrentProcessId();
    if (state.path.empty() && !LocateCommandLog(&state.path)) {
        state.path.clear();
        return false;
    }
    state.file.reset(CreateFileA(state.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return state.file.valid();
}

void CommandLog::Write(const char* sourceFile, int line, const std::string& message) {
    // The record carries the time it was asked for, not the time the lock came.
    SYSTEMTIME now;
    GetLocalTime(&now);

    if (!Open()) return;
    LogState& state = State();
    HANDLE file = state.file.get();

    LogFileLock lock(file);
    if (!lock.Lock()) return;

    // A size whose low part happens to equal INVALID_FILE_SIZE is real: only
    // the error code tells a failure apart.
    DWORD sizeHigh = 0;
    SetLastError(NO_ERROR);
    DWORD sizeLow = GetFileSize(file, &sizeHigh);
    if (sizeLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return;

    // Size test, copy, emptying and append happen under one lock, so no other
    // writer's record can fall between the copy and the emptying, and a writer
    // that waited finds the log already emptied.
    if (IsLogOverLimit(sizeLow, sizeHigh) && CopyToBackup(file, state.path + ".bak")) {
        SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
    }

    // Another process may have written since we opened the file: the end is
    // sought only now, under the lock.
    LONG endHigh = 0;
    SetFilePointer(file, 0, &endHigh, FILE_END);

    std::string record = FormatRecord(now, state.processId, sourceFile, line, message);
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
}

bool CommandLog::CopyToBackup(HANDLE log, const std::string& backupPath, BackupWriter write) {
    UniqueFile backup(CreateFileA(backupPath.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!backup.valid()) return false;

    SetFilePointer(log, 0, nullptr, FILE_BEGIN);
    char buffer[kCopyBufferSize];
    for (;;) {
        DWORD bytesRead = 0;
        if (!ReadFile(log, buffer, sizeof buffer, &bytesRead, nullptr)) return false;
        if (bytesRead == 0) return true;
        DWORD bytesWritten = 0;
        // A short write (a full disk) is a failed copy: the log must not be
        // emptied when its backup is incomplete.
        if (!write(backup.get(), buffer, bytesRead, &bytesWritten, nullptr) || bytesWritten != bytesRead) return false;
    }
}

bool LogFileLock::Lock() {
    OVERLAPPED whole = {};
    locked_ = LockFileEx(file_, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) != FALSE;
    return locked_;
}

void LogFileLock::Unlock() {
    if (!locked_) return;
    OVERLAPPED whole = {};
    UnlockFileEx(file_, 0, MAXDWORD, MAXDWORD, &whole);
    locked_ = false;
}
