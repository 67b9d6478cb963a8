// The shared command log, sracmd.log. Every command instance on the host
// appends to it under a whole-file lock; past 1 MiB it is copied to a single
// backup (sracmd.log.bak) and emptied before the next record.
//
// A CommandLog object is a hold on the log: the file is opened by the first
// record and stays open until the last hold of the process ends. Logging
// never fails a command: a record that cannot be written is dropped silently.
#pragma once

#include <windows.h>

#include <string>

// Writes bytes to the backup; WriteFile's shape, so tests can put a writer of
// their own in its place.
using BackupWriter = BOOL(WINAPI*)(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
                                    LPOVERLAPPED overlapped);

class CommandLog {
public:
    CommandLog();
    ~CommandLog();
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

    // Appends one record. Reports nothing; only a failure to obtain memory
    // can pass out of it.
    void Write(const char* sourceFile, int line, const std::string& message);

    // Copies the whole log, through its handle, to a freshly made backup.
    // True only when every byte read was written.
    static bool CopyToBackup(HANDLE log, const std::string& backupPath, BackupWriter write = &WriteFile);

    // Forgets where the log lies, so that the next record reads the registry
    // as a fresh process would. For tests that change the installation.
    static void ForgetLocation();

private:
    static bool Open();
};

// Holds the exclusive whole-file lock for one record write; the lock is
// released on every way out.
class LogFileLock {
public:
    explicit LogFileLock(HANDLE file) : file_(file) {}
    ~LogFileLock() { Unlock(); }
    LogFileLock(const LogFileLock&) = delete;
    LogFileLock& operator=(const LogFileLock&) = delete;

    bool Lock();
    void Unlock();

private:
    HANDLE file_;
    bool locked_ = false;
};
