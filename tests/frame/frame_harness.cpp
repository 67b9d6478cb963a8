// frame_harness <arguments...>, with QORTEST_FRAME_CASE naming what happens
// inside the frame:
//   refuse                  qorgroups itself, with a rights check that refuses
//   bad_alloc               an action that runs out of memory
//   bad_alloc_unreported    the same in a frame without a memory handler
//   runtime_error           an action that throws a standard exception
//   int                     an action that throws something that is no exception
// The frame names qorgroups' source, as qorgroups' frame does.
#include "CommandFrame.h"
#include "MQorGroups.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

constexpr char kSourceFile[] = "..\\..\\src\\qorgroups\\MQorGroups";

DWORD Refuse() { return ERROR_ACCESS_DENIED; }
DWORD Allow() { return ERROR_SUCCESS; }

int RunOutOfMemory(int, char**) { throw std::bad_alloc(); }
int ThrowStandardException(int, char**) { throw std::runtime_error("broken"); }
int ThrowInteger(int, char**) { throw 42; }

int RunFrame(bool reportsMemoryExhaustion, CommandAction action, int argc, char** argv) {
    CommandFrame frame{kSourceFile, &Allow, reportsMemoryExhaustion, action};
    return RunCommandFrame(frame, argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const char* chosen = std::getenv("QORTEST_FRAME_CASE");
    const char* frameCase = chosen != nullptr ? chosen : "";
    if (std::strcmp(frameCase, "refuse") == 0) return RunQorGroups(argc, argv, &Refuse);
    if (std::strcmp(frameCase, "bad_alloc") == 0) return RunFrame(true, &RunOutOfMemory, argc, argv);
    if (std::strcmp(frameCase, "bad_alloc_unreported") == 0) return RunFrame(false, &RunOutOfMemory, argc, argv);
    if (std::strcmp(frameCase, "runtime_error") == 0) return RunFrame(true, &ThrowStandardException, argc, argv);
    if (std::strcmp(frameCase, "int") == 0) return RunFrame(true, &ThrowInteger, argc, argv);
    std::fprintf(stderr, "frame_harness: unknown QORTEST_FRAME_CASE \"%s\"\n", frameCase);
    return 99;
}
