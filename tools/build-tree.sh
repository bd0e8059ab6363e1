# Sourced by test.sh and run.sh: configures and builds one build tree.
#   tm_build native   -> build/native (host g++)
#   tm_build win32    -> build/win32  (MinGW-w64, cmake/mingw-i686.cmake)
#   tm_build win64    -> build/win64  (MinGW-w64, cmake/mingw-x86_64.cmake): the
#                        same programs as 64-bit Windows programs, for testing
#                        on a host whose kernel cannot start 32-bit Wine
#   tm_build asan     -> build/asan   (host g++, -fsanitize=address,undefined)
# All Release, warnings as errors, all cores.
# Expects TM_ROOT (the repository root).

tm_build() {
    local kind=$1 dir=$TM_ROOT/build/$1
    local args=(-S "$TM_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTALLYMASTER_WERROR=ON)
    case "$kind" in
        native) ;;
        asan) args+=(-DTALLYMASTER_SANITIZE=ON) ;;
        win32) args+=(-DCMAKE_TOOLCHAIN_FILE="$TM_ROOT/cmake/mingw-i686.cmake") ;;
        win64) args+=(-DCMAKE_TOOLCHAIN_FILE="$TM_ROOT/cmake/mingw-x86_64.cmake") ;;
        *) echo "build-tree: unknown tree $kind" >&2; return 1 ;;
    esac
    echo "== configure $dir"
    cmake "${args[@]}" || return 1
    echo "== build $dir"
    cmake --build "$dir" -j "$(nproc)" || return 1
}
