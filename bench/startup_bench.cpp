// Start-up: how long each command takes from CreateProcess to its exit,
// against an empty program built by the same toolchain. The runs are
// interleaved (one of each in turn, the order rotating every round), so a
// busy moment of the machine falls on all of them alike.
//
//   startup_bench <rounds> <empty program> <label>=<command line>...

#include "BenchInstallation.h"
#include "Stopwatch.h"
#include "Win32Owners.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Candidate {
    std::string label;
    std::string commandLine;
    std::vector<double> seconds;
    DWORD lastExitCode = 0;
};

// Output goes to NUL: the console would add its own cost, different for
// each program's amount of text.
bool TimeOneRun(HANDLE nul, Candidate* candidate) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    std::string commandLine = candidate->commandLine;  // CreateProcessA may write into it

    double start = NowSeconds();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", candidate->commandLine.c_str(), GetLastError());
        return false;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    WaitForSingleObject(processHandle.get(), INFINITE);
    candidate->seconds.push_back(NowSeconds() - start);
    GetExitCodeProcess(processHandle.get(), &candidate->lastExitCode);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: startup_bench <rounds> <empty program> <label>=<command line>...\n", stderr);
        return 2;
    }
    // qormodule -version needs the module's values, and every command logs.
    if (!SetUpBenchInstallation()) return 2;

    int rounds = std::atoi(argv[1]);
    std::vector<Candidate> candidates{{"empty program", std::string("\"") + argv[2] + "\"", {}, 0}};
    for (int index = 3; index < argc; ++index) {
        std::string argument = argv[index];
        size_t equals = argument.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "not <label>=<command line>: %s\n", argv[index]);
            return 2;
        }
        candidates.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, 0});
    }

    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    UniqueFile nul(CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                               OPEN_EXISTING, 0, nullptr));

    // One unmeasured run each fills the file cache and the wineserver's.
    for (Candidate& candidate : candidates) {
        if (!TimeOneRun(nul.get(), &candidate)) return 2;
        candidate.seconds.clear();
    }
    for (int round = 0; round < rounds; ++round) {
        for (size_t step = 0; step < candidates.size(); ++step) {
            if (!TimeOneRun(nul.get(), &candidates[(round + step) % candidates.size()])) return 2;
        }
    }

    double baseline = Median(candidates[0].seconds);
    std::printf("Start-up, median of %d interleaved runs each (target: within 1.10x of the empty program)\n", rounds);
    std::printf("  %-28s %9s %7s %5s\n", "program", "median", "ratio", "exit");
    for (const Candidate& candidate : candidates) {
        double median = Median(candidate.seconds);
        std::printf("  %-28s %7.1f ms %6.2fx %5lu\n", candidate.label.c_str(), median * 1000.0, median / baseline,
                    candidate.lastExitCode);
    }
    return 0;
}
