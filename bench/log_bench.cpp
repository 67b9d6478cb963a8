// Log append: records per second through CommandLog::Write against a bare
// loop doing the same locked append (LockFileEx, seek to the end, one
// WriteFile, UnlockFileEx) on the same file, for one writer process and for
// several at once. Batches of the two kinds alternate; each batch starts with
// an empty log and stays below the rotation limit, so no rotation is timed.
//
//   log_bench <writers> <records per writer> <batches of each kind>
//   log_bench child <commandlog|bare> <records>      (started by the above)

#include "BenchInstallation.h"
#include "CommandLog.h"
#include "LogLocation.h"
#include "RecordFormat.h"
#include "Stopwatch.h"
#include "Win32Owners.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kGoEvent[] = "qor_log_bench_go";
constexpr char kReadySemaphore[] = "qor_log_bench_ready";

// A typical record: the end record of a command.
constexpr char kSourceFile[] = "..\\..\\src\\qorgroups\\MQorGroups";
constexpr int kLine = 57;
constexpr char kMessage[] = "qor0101 Execution of the command ended. Return code=0";

void WriteThroughCommandLog(int records) {
    CommandLog log;
    for (int index = 0; index < records; ++index) log.Write(kSourceFile, kLine, kMessage);
}

// The least any correct shared append must do: the same lock, seek and
// single write, with the record formatted once beforehand.
void WriteBare(int records) {
    std::string path;
    if (!LocateCommandLog(&path)) return;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::string record = FormatRecord(now, GetCurrentProcessId(), kSourceFile, kLine, kMessage);
    for (int index = 0; index < records; ++index) {
        OVERLAPPED whole = {};
        LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
        LONG high = 0;
        SetFilePointer(file.get(), 0, &high, FILE_END);
        DWORD written = 0;
        WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        OVERLAPPED again = {};
        UnlockFileEx(file.get(), 0, MAXDWORD, MAXDWORD, &again);
    }
}

int RunChild(const char* method, int records) {
    UniqueHandle go(OpenEventA(SYNCHRONIZE, FALSE, kGoEvent));
    UniqueHandle ready(OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, kReadySemaphore));
    if (!go.valid() || !ready.valid()) return 2;
    ReleaseSemaphore(ready.get(), 1, nullptr);
    WaitForSingleObject(go.get(), INFINITE);
    if (std::strcmp(method, "commandlog") == 0) {
        WriteThroughCommandLog(records);
    } else {
        WriteBare(records);
    }
    return 0;
}

std::string OwnPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

// Starts the writers, lets them go together once all are ready, and times
// from that moment until the last has ended.
double TimeBatch(const char* method, int writers, int records, HANDLE go, HANDLE ready) {
    DeleteFileA(BenchLogPath().c_str());
    std::vector<UniqueHandle> children;
    for (int index = 0; index < writers; ++index) {
        std::string commandLine = "\"";
        commandLine += OwnPath();
        commandLine += std::string("\" child ") + method + " " + std::to_string(records);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            return -1.0;
        }
        CloseHandle(process.hThread);
        children.emplace_back(process.hProcess);
    }
    for (int index = 0; index < writers; ++index) WaitForSingleObject(ready, INFINITE);

    double start = NowSeconds();
    SetEvent(go);
    for (UniqueHandle& child : children) WaitForSingleObject(child.get(), INFINITE);
    double elapsed = NowSeconds() - start;
    ResetEvent(go);
    return elapsed;
}

// Counts lines ending in CR LF: every record of the batch must be there.
long CountRecords() {
    UniqueFile file(CreateFileA(BenchLogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    if (!file.valid()) return 0;
    long count = 0;
    char buffer[65536];
    DWORD bytesRead = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &bytesRead, nullptr) && bytesRead > 0) {
        for (DWORD index = 0; index < bytesRead; ++index) count += buffer[index] == '\n';
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "child") == 0) return RunChild(argv[2], std::atoi(argv[3]));
    if (argc != 4) {
        std::fputs("usage: log_bench <writers> <records per writer> <batches of each kind>\n", stderr);
        return 2;
    }
    if (!SetUpBenchInstallation()) return 2;
    int writers = std::atoi(argv[1]);
    int records = std::atoi(argv[2]);
    int batches = std::atoi(argv[3]);

    UniqueHandle go(CreateEventA(nullptr, TRUE, FALSE, kGoEvent));
    UniqueHandle ready(CreateSemaphoreA(nullptr, 0, writers, kReadySemaphore));

    const char* methods[] = {"commandlog", "bare"};
    std::vector<double> seconds[2];
    for (int batch = 0; batch < batches; ++batch) {
        for (int step = 0; step < 2; ++step) {
            int method = (batch + step) % 2;
            double elapsed = TimeBatch(methods[method], writers, records, go.get(), ready.get());
            long written = CountRecords();
            if (elapsed < 0 || written != static_cast<long>(writers) * records) {
                std::fprintf(stderr, "%s batch wrote %ld records of %ld\n", methods[method], written,
                             static_cast<long>(writers) * records);
                return 1;
            }
            seconds[method].push_back(elapsed);
        }
    }

    double total = static_cast<double>(writers) * records;
    double commandLogRate = total / Median(seconds[0]);
    double bareRate = total / Median(seconds[1]);
    std::printf("Log append, %d writer process%s x %d records, median of %d batches each (target: within 1.2x)\n",
                writers, writers == 1 ? "" : "es", records, batches);
    std::printf("  CommandLog::Write      %9.0f records/s\n", commandLogRate);
    std::printf("  bare locked append     %9.0f records/s\n", bareRate);
    std::printf("  ratio (time per record) %8.2fx\n", bareRate / commandLogRate);
    return 0;
}
