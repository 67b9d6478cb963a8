// Rotation: the time of the Write that finds the log just past 1 MiB (it
// copies the log to the backup, empties it and appends its record) against a
// plain CopyFileA of a file of the same size and content. The two alternate.
//
//   rotation_bench <rounds>

#include "BenchInstallation.h"
#include "CommandLog.h"
#include "Stopwatch.h"
#include "Win32Owners.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kOverLimit = 1048577;  // one byte past the limit: the next Write rotates

// Record-like lines, so the copy moves what a real log holds.
std::string OverLimitContent() {
    const std::string line =
        "2014/03/05 08:04:09.007 2468 ..\\..\\src\\qorgroups\\MQorGroups 57 qor0101 Execution of the command "
        "ended. Return code=0\r\n";
    std::string content;
    while (content.size() < kOverLimit) content += line;
    content.resize(kOverLimit);
    return content;
}

// Replaces the file's bytes; the log stays open in the CommandLog meanwhile,
// as it would in a command, so this handle shares it.
bool FillFile(const std::string& path, const std::string& content) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN);
    SetEndOfFile(file.get());
    DWORD written = 0;
    return WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
           written == content.size();
}

DWORD FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: rotation_bench <rounds>\n", stderr);
        return 2;
    }
    if (!SetUpBenchInstallation()) return 2;
    int rounds = std::atoi(argv[1]);

    const std::string logPath = BenchLogPath();
    const std::string source = BenchScratchFolder() + "\\copy-source";
    const std::string target = BenchScratchFolder() + "\\copy-target";
    const std::string content = OverLimitContent();
    if (!FillFile(source, content)) return 2;

    // The hold keeps the log open across rounds, as a command's frame does;
    // the first record opens it outside the timing.
    CommandLog log;
    DeleteFileA(logPath.c_str());
    log.Write("..\\..\\bench\\rotation_bench", __LINE__, "opening");

    std::vector<double> rotation;
    std::vector<double> copy;
    for (int round = 0; round < rounds; ++round) {
        for (int step = 0; step < 2; ++step) {
            if ((round + step) % 2 == 0) {
                if (!FillFile(logPath, content)) return 2;
                double start = NowSeconds();
                log.Write("..\\..\\src\\qorgroups\\MQorGroups", 57, "qor0101 Execution of the command ended. Return code=0");
                rotation.push_back(NowSeconds() - start);
                if (FileSize(logPath) >= 1024 || FileSize(logPath + ".bak") != kOverLimit) {
                    std::fputs("the Write did not rotate the log\n", stderr);
                    return 1;
                }
            } else {
                DeleteFileA(target.c_str());
                double start = NowSeconds();
                BOOL copied = CopyFileA(source.c_str(), target.c_str(), FALSE);
                copy.push_back(NowSeconds() - start);
                if (!copied || FileSize(target) != kOverLimit) {
                    std::fputs("CopyFileA failed\n", stderr);
                    return 1;
                }
            }
        }
    }

    double rotationMedian = Median(rotation);
    double copyMedian = Median(copy);
    std::printf("Rotation of a 1 MiB log, median of %d rounds each\n", rounds);
    std::printf("  Write past the limit   %7.2f ms\n", rotationMedian * 1000.0);
    std::printf("  CopyFileA, same file   %7.2f ms\n", copyMedian * 1000.0);
    std::printf("  ratio                  %7.2fx\n", rotationMedian / copyMedian);
    return 0;
}
