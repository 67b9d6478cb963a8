// Tests that write HKEY_LOCAL_MACHINE or the adapter's folders run only in
// the throwaway Wine prefix, never on a real host.
#pragma once

bool RunningUnderWine();

// Inside a GoogleTest test or fixture: skips it unless under Wine.
#define QOR_REQUIRE_WINE()                                                              \
    do {                                                                                \
        if (!RunningUnderWine()) GTEST_SKIP() << "writes HKLM: runs only under Wine";   \
    } while (0)
