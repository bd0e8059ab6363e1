# Cross build for 32-bit Windows with MinGW-w64 (posix threads), run under Wine.
#   cmake -S . -B build/win32 --toolchain cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TALLYMASTER_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TALLYMASTER_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLYMASTER_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLYMASTER_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TALLYMASTER_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: no MinGW runtime DLLs beside the .exe files.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest (and anything else that runs a built program) goes through Wine with
# the build tree's own prefix. The prefix is made by tools/wine-env.sh, which
# cmake/wine-run.sh calls when it is missing.
if(NOT DEFINED TALLYMASTER_WINEPREFIX)
  set(TALLYMASTER_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH
      "Private Wine prefix for running the Windows programs of this build tree")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;--prefix;${TALLYMASTER_WINEPREFIX}")
