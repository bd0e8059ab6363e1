# What both MinGW-w64 toolchain files share: compilers named by
# TALLYMASTER_MINGW_TRIPLET, static programs, and Wine as the emulator.
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
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(TALLYMASTER_WINE_BITS "--wine64;")
else()
  set(TALLYMASTER_WINE_BITS "")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${TALLYMASTER_WINE_BITS}--prefix;${TALLYMASTER_WINEPREFIX}")
