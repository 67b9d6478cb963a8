// lock_holder <log path> <event name>
//
// Opens the log as the commands do, takes the whole-file lock that a record
// write takes, signals the event and sleeps until it is killed: a command
// that dies in the middle of a record write.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    HANDLE log = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 3;
    OVERLAPPED whole = {};
    if (!LockFileEx(log, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) return 4;
    HANDLE locked = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (locked == nullptr || !SetEvent(locked)) return 5;
    Sleep(INFINITE);
    return 0;
}
