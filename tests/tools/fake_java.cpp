// Plays java.exe and the adapter class for the tests. It writes the command
// line it was started with, then every argument its C runtime parsed from it,
// each followed by a NUL, to the file that QORTEST_JAVA_RECORD names, and
// exits with the code that QORTEST_JAVA_EXIT gives (0 when unset).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    const char* recordPath = std::getenv("QORTEST_JAVA_RECORD");
    if (recordPath != nullptr && *recordPath != '\0') {
        std::FILE* record = std::fopen(recordPath, "wb");
        if (record != nullptr) {
            const char* commandLine = GetCommandLineA();
            std::fwrite(commandLine, 1, std::strlen(commandLine) + 1, record);
            for (int index = 0; index < argc; ++index) std::fwrite(argv[index], 1, std::strlen(argv[index]) + 1, record);
            std::fclose(record);
        }
    }
    const char* exitCode = std::getenv("QORTEST_JAVA_EXIT");
    return exitCode != nullptr ? std::atoi(exitCode) : 0;
}
