# Cross-builds the core, deadhold-cli and the core test suites for 64-bit Windows with Debian's
# mingw-w64 (posix threads, for std::thread and friends); the tests run under Wine. Qt for Windows
# is not part of Debian, so the Qt program and the PDF module are left out.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The C99 printf of mingw-w64 (%zu, %lld, glibc's float formats) rather than the system's.
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")
# One self-contained .exe each: no compiler runtime DLLs to find beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
set(DEADHOLD_QT OFF CACHE BOOL "")
set(DEADHOLD_BENCH OFF CACHE BOOL "")
set(DEADHOLD_GTEST_SOURCE /usr/src/googletest CACHE PATH "")
