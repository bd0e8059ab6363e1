# Cross build for 32-bit Windows with MinGW-w64 (posix threads), run under Wine.
#   cmake -S . -B build/win32 --toolchain cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TALLYMASTER_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
