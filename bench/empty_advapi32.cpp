// An empty program that imports advapi32 as the commands do (for the
// registry and the rights check): the start-up floor of any program that
// reads the registry, which tells the DLL loading apart from our own code.
#include <windows.h>

int main(int argc, char**) {
    // Never true: the call only has to be there for the import.
    if (argc < 0) RegCloseKey(HKEY_LOCAL_MACHINE);
    return 0;
}
