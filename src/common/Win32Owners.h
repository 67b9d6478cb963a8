// Small owners for Win32 handles and keys: whatever way a scope is left, what
// it opened is closed. Each owner knows its own "empty" value and how to close.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueWin32 {
public:
    using Handle = typename Traits::Handle;

    UniqueWin32() = default;
    explicit UniqueWin32(Handle handle) : handle_(handle) {}
    ~UniqueWin32() { reset(); }

    UniqueWin32(const UniqueWin32&) = delete;
    UniqueWin32& operator=(const UniqueWin32&) = delete;
    UniqueWin32(UniqueWin32&& other) noexcept : handle_(other.release()) {}
    UniqueWin32& operator=(UniqueWin32&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    bool valid() const { return handle_ != Traits::Empty(); }

    // Hands the slot to an API that fills it in; whatever was held is closed first.
    Handle* put() {
        reset();
        return &handle_;
    }

    Handle release() { return std::exchange(handle_, Traits::Empty()); }

    void reset(Handle handle = Traits::Empty()) {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Empty()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Empty();
};

// A file handle: empty is INVALID_HANDLE_VALUE, as CreateFile returns it.
struct FileTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::CloseHandle(handle); }
};

// Any other kernel handle (tokens, processes, threads): empty is null.
struct HandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { ::CloseHandle(handle); }
};

struct HkeyTraits {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    static void Close(Handle key) { ::RegCloseKey(key); }
};

// Identifiers made by AllocateAndInitializeSid.
struct SidTraits {
    using Handle = PSID;
    static Handle Empty() { return nullptr; }
    static void Close(Handle sid) { ::FreeSid(sid); }
};

using UniqueFile = UniqueWin32<FileTraits>;
using UniqueHandle = UniqueWin32<HandleTraits>;
using UniqueHkey = UniqueWin32<HkeyTraits>;
using UniqueSid = UniqueWin32<SidTraits>;
