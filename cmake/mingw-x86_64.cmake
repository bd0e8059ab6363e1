# Cross build for 64-bit Windows with MinGW-w64 (posix threads), run under
# 64-bit Wine. Only for hosts whose kernel cannot start 32-bit programs (and so
# not 32-bit Wine): the Windows tests then run as 64-bit programs.
#   cmake -S . -B build/win64 --toolchain cmake/mingw-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLYMASTER_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
