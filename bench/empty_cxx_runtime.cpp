// An empty program that links the parts of the C++ runtime the commands use
// (std::string, exceptions, stdio), without advapi32: tells the C++ runtime's
// start-up apart from the DLL loading.
#include <cstdio>
#include <stdexcept>
#include <string>

int main(int argc, char** argv) {
    try {
        std::string text(argv[0]);
        if (argc < 0) throw std::runtime_error(text);
    } catch (const std::exception& error) {
        std::fputs(error.what(), stderr);
    }
    return 0;
}
