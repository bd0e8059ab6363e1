# Sourced by test.sh and run.sh: installs the Debian packages the build, the
# tests and the Windows programs need, only when some are missing.
# As root it installs them without standard input. Any other user is told
# which packages are missing and the command that installs them, and the
# call returns 2 (nothing is installed).
#
#   tm_install_deps                   the packages below
#   tm_install_packages LABEL PKG...  any list (setup-printing.sh uses it)
#   tm_install_command PKG...         the command line that installs PKG...
#   tm_sudo COMMAND...                runs a command as root

TM_PACKAGES=(
    cmake g++ make bc python3
    libgtest-dev libbenchmark-dev
    g++-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-posix   # the 64-bit test tree (hosts without 32-bit)
    wine wine64 wine32:i386
    xvfb xauth
    x11-utils x11-apps netpbm    # run.sh's screenshots without a display
    desktop-file-utils           # run.sh --install-launcher's check
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

# "sudo " unless this is root.
tm_root_prefix() {
    [[ $(id -u) -eq 0 ]] || echo "sudo "
}

tm_install_command() {
    local sudo command=
    sudo=$(tm_root_prefix)
    if printf '%s\n' "$@" | grep -q ':i386$' && ! dpkg --print-foreign-architectures 2>/dev/null | grep -qx i386; then
        command="${sudo}dpkg --add-architecture i386 && "
    fi
    echo "${command}${sudo}apt-get update && ${sudo}apt-get install -y --no-install-recommends $*"
}

tm_install_packages() {
    local label=$1 missing
    shift
    missing=$(tm_missing_packages "$@")
    if [[ -z "$missing" ]]; then
        echo "$label: all packages present"
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        # shellcheck disable=SC2086
        {
            echo "$label: missing packages:" $missing
            echo "$label: install them as root, then run this again:"
            echo "    $(tm_install_command $missing)"
        } >&2
        return 2
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
