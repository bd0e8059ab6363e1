# Sourced by test.sh, run.sh and cmake/wine-run.sh: finds the Wine programs
# and makes a build tree's private Wine prefix.
#
#   tm_find_wine                 sets TM_WINE and TM_WINESERVER
#   tm_ensure_wineprefix PREFIX  makes a build tree's PREFIX once (under its
#                                own virtual display); a half-made one is made
#                                anew; a folder it did not make is never removed
#   tm_ensure_user_wineprefix P  a user's own prefix: used as it is, made by
#                                Wine with its defaults when missing

# The marker written into a prefix once it is complete.
TM_WINEPREFIX_MARKER=.tallymaster-ready
# Present while the prefix is being made; a prefix holding it is half-made.
TM_WINEPREFIX_MAKING=.tallymaster-making

# True when this host's kernel starts 32-bit Linux programs, and so 32-bit
# Wine. Some virtual machines' kernels refuse them ("Exec format error").
tm_host_runs_32bit() {
    local loader
    loader=$(dpkg -L wine32 2>/dev/null | grep -E '/wine$' | head -n 1 || true)
    [[ -n "$loader" && -x "$loader" ]] && "$loader" --version >/dev/null 2>&1
}

# TM_WINE_BITS=64 (cmake/wine-run.sh --wine64) takes the 64-bit loader, for
# the 64-bit test tree of a host that cannot start 32-bit programs.
tm_find_wine() {
    [[ -n "${TM_WINE:-}" && -n "${TM_WINESERVER:-}" ]] && return 0
    if [[ "${TM_WINE_BITS:-}" == 64 ]]; then
        TM_WINE=$(dpkg -L wine64 2>/dev/null | grep -E '/wine64$' | head -n 1 || true)
        TM_WINESERVER=$(dpkg -L wine64 2>/dev/null | grep -E '/wineserver64$' | head -n 1 || true)
        if [[ ! -x "$TM_WINE" || ! -x "$TM_WINESERVER" ]]; then
            echo "wine-env: 64-bit Wine not found (install wine64)" >&2
            return 1
        fi
        export WINESERVER="$TM_WINESERVER" WINELOADER="$TM_WINE"
        return 0
    fi
    TM_WINE=$(command -v wine || true)
    TM_WINESERVER=$(command -v wineserver || true)
    if [[ -z "$TM_WINE" || -z "$TM_WINESERVER" ]]; then
        # No wrapper on PATH: use the loaders the packages installed,
        # the 32-bit ones first (the programs are 32-bit).
        local listed path
        listed=$(dpkg -L wine32 wine64 2>/dev/null || true)
        if [[ -z "$TM_WINE" ]]; then
            for path in $(grep -E '/wine$' <<<"$listed") $(grep -E '/wine64$' <<<"$listed"); do
                if [[ -f "$path" && -x "$path" ]]; then TM_WINE=$path; break; fi
            done
        fi
        if [[ -z "$TM_WINESERVER" ]]; then
            for path in $(grep -E '/wineserver(32|64)?$' <<<"$listed"); do
                if [[ -f "$path" && -x "$path" ]]; then TM_WINESERVER=$path; break; fi
            done
        fi
    fi
    if [[ -z "$TM_WINE" || -z "$TM_WINESERVER" ]]; then
        echo "wine-env: Wine not found (install wine, wine32:i386 and wine64)" >&2
        return 1
    fi
    # The loader finds its server through WINESERVER when it isn't on PATH.
    export WINESERVER="$TM_WINESERVER"
    return 0
}

tm_wineprefix_ready() {
    [[ -f "$1/$TM_WINEPREFIX_MARKER" ]]
}

tm_ensure_wineprefix() {
    local prefix=$1
    tm_wineprefix_ready "$prefix" && return 0
    tm_find_wine || return 1
    mkdir -p "$(dirname "$prefix")"
    prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
    # One maker at a time; whoever waited finds the prefix ready.
    (
        flock 9
        tm_wineprefix_ready "$prefix" && exit 0
        if [[ -e "$prefix" ]]; then
            # Only a prefix this script began and did not finish is removed;
            # anything else is somebody's own and is never touched.
            if [[ ! -f "$prefix/$TM_WINEPREFIX_MAKING" ]]; then
                echo "wine-env: $prefix exists but was not made here; remove it or choose another folder" >&2
                exit 1
            fi
            echo "wine-env: removing half-made Wine prefix $prefix" >&2
            WINEPREFIX="$prefix" "$TM_WINESERVER" -k >/dev/null 2>&1 || true
            rm -rf "$prefix"
        fi
        echo "wine-env: making Wine prefix $prefix (takes about half a minute)" >&2
        mkdir -p "$prefix"
        date -u +%Y-%m-%dT%H:%M:%SZ >"$prefix/$TM_WINEPREFIX_MAKING"
        # wineboot, the registry setting and the server's shutdown all on one
        # virtual display, so no wineserver outlives it.
        WINEPREFIX="$prefix" WINEDEBUG=-all TM_WINE="$TM_WINE" TM_WINESERVER="$TM_WINESERVER" \
            xvfb-run -a bash -c '
                set -e
                "$TM_WINE" wineboot -i
                # No window manager: without this, every hidden window costs ~2 s.
                "$TM_WINE" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null
                "$TM_WINESERVER" -w
            ' </dev/null || { echo "wine-env: making the Wine prefix failed" >&2; exit 1; }
        grep -q '"Managed"="N"' "$prefix/user.reg" \
            || { echo "wine-env: Wine prefix $prefix lacks the X11 Driver setting" >&2; exit 1; }
        date -u +%Y-%m-%dT%H:%M:%SZ >"$prefix/$TM_WINEPREFIX_MARKER"
        rm -f "$prefix/$TM_WINEPREFIX_MAKING"
    ) 9>"$prefix.lock"
}

# A user's own prefix ($WINEPREFIX or ~/.wine): used as it is when it
# exists; otherwise Wine makes it with its own defaults. Never removed.
tm_ensure_user_wineprefix() {
    local prefix=$1
    [[ -f "$prefix/system.reg" ]] && return 0
    tm_find_wine || return 1
    echo "wine-env: making your Wine prefix $prefix (takes about half a minute)" >&2
    if [[ -n "${DISPLAY:-}" ]]; then
        WINEPREFIX="$prefix" WINEDEBUG=-all "$TM_WINE" wineboot -i </dev/null
        WINEPREFIX="$prefix" "$TM_WINESERVER" -w
    else
        WINEPREFIX="$prefix" WINEDEBUG=-all TM_WINE="$TM_WINE" TM_WINESERVER="$TM_WINESERVER" \
            xvfb-run -a bash -c '"$TM_WINE" wineboot -i && "$TM_WINESERVER" -w' </dev/null
    fi
}
