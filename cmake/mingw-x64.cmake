# 64-bit build of the same sources: this is the build the tests run, under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QOR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Debian's wine64 loader runs the test programs; the prefix comes from WINEPREFIX.
find_program(QOR_WINE64_LOADER NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(QOR_WINE64_LOADER)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QOR_WINE64_LOADER})
endif()
