// qorprobe run by a caller who is no administrator: the same command with a
// rights check that always refuses.
#include "MQorProbe.h"

#include <windows.h>

namespace {

DWORD RefuseRights() { return ERROR_ACCESS_DENIED; }

}  // namespace

int main(int argc, char** argv) { return RunQorProbe(argc, argv, &RefuseRights); }
