# Shared by both mingw toolchains. The -posix compilers give std::thread and
# std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${QOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
