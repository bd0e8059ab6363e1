# Sourced by test.sh and run.sh: installs the Debian packages the build, the
# tests and the Windows programs need, only when some are missing.
# Runs as root (or through sudo when there is one), without standard input.

TM_PACKAGES=(
    cmake g++ make bc
    libgtest-dev libbenchmark-dev
    g++-mingw-w64-i686-posix
    wine wine64 wine32:i386
    xvfb xauth
    x11-utils x11-apps netpbm    # run.sh's screenshot without a display
)

tm_missing_packages() {
    local package status
    for package in "${TM_PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
        [[ "$status" == ii* ]] || echo "$package"
    done
}

tm_install_deps() {
    local missing sudo=
    missing=$(tm_missing_packages)
    if [[ -z "$missing" ]]; then
        echo "install-deps: all packages present"
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "install-deps: missing $missing; run as root" >&2; return 1; }
        sudo="sudo -n"
    fi
    echo "install-deps: installing" $missing
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${TM_PACKAGES[@]}" </dev/null
    missing=$(tm_missing_packages)
    if [[ -n "$missing" ]]; then
        echo "install-deps: still missing after install:" $missing >&2
        return 1
    fi
}
