# Cross-compiling for 32-bit Windows with Debian's mingw-w64, in its win32 thread model: the
# runtime's locks are Windows' own, where the posix model links the whole winpthread library
# (some thirty kilobytes) into the player for the exception unwinder alone. Nothing here starts
# a thread; this model has no std::mutex, which GoogleTest's thread start signal needs, so it
# gets one made of a Windows event (gtest_win32_notification.h).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
