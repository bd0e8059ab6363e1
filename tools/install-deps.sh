# Sourced by test.sh and run.sh: installs the Debian packages the build, the
# tests and the Windows programs need, only when some are missing.
# Runs as root (or through sudo when there is one), without standard input.
#
#   tm_install_deps                   the packages below
#   tm_install_packages LABEL PKG...  any list (setup-printing.sh uses it)
#   tm_sudo COMMAND...                runs a command as root

TM_PACKAGES=(
    cmake g++ make bc
    libgtest-dev libbenchmark-dev
    g++-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-posix   # the 64-bit test tree (hosts without 32-bit)
    wine wine64 wine32:i386
    xvfb xauth
    x11-utils x11-apps netpbm    # run.sh's screenshots without a display
    clang libclang-rt-14-dev     # tools/fuzz.sh: libFuzzer and the sanitizers
)

tm_sudo() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo -n "$@"
    else
        echo "install-deps: $1 needs root" >&2
        return 1
    fi
}

tm_missing_packages() {
    local package status
    for package in "$@"; do
        status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
        [[ "$status" == ii* ]] || echo "$package"
    done
}

tm_install_packages() {
    local label=$1 missing
    shift
    missing=$(tm_missing_packages "$@")
    if [[ -z "$missing" ]]; then
        echo "$label: all packages present"
        return 0
    fi
    echo "$label: installing" $missing
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        tm_sudo dpkg --add-architecture i386 || return 1
    fi
    tm_sudo apt-get update -q || return 1
    tm_sudo env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "$@" </dev/null || return 1
    missing=$(tm_missing_packages "$@")
    if [[ -n "$missing" ]]; then
        echo "$label: still missing after install:" $missing >&2
        return 1
    fi
}

tm_install_deps() {
    tm_install_packages install-deps "${TM_PACKAGES[@]}"
}
