#!/usr/bin/env bash
# tools/install-deps.sh with fake dpkg-query, dpkg, id, apt-get and sudo on
# PATH: which packages it finds missing, what it tells a user who is not
# root, and that only root installs.
#   tests/tools/install_deps_test.sh REPOSITORY_ROOT
set -u
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"

# dpkg-query -W -f=... PACKAGE: "ii " for a package listed in $FAKE_INSTALLED.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/bash
package=${!#}
grep -qxF "$package" "$FAKE_INSTALLED" && { printf 'ii '; exit 0; }
exit 1
EOF
# dpkg --print-foreign-architectures: $FAKE_ARCHITECTURES.
cat >"$work/bin/dpkg" <<'EOF'
#!/bin/bash
echo "dpkg $*" >>"$FAKE_LOG"
[[ "$1" == --print-foreign-architectures ]] && printf '%s' "$FAKE_ARCHITECTURES"
exit 0
EOF
cat >"$work/bin/id" <<'EOF'
#!/bin/bash
echo "$FAKE_UID"
EOF
# apt-get install marks every named package installed.
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >>"$FAKE_LOG"
if [[ " $* " == *" install "* ]]; then
    for word in "$@"; do [[ $word == -* || $word == install ]] || echo "$word" >>"$FAKE_INSTALLED"; done
fi
exit 0
EOF
cat >"$work/bin/sudo" <<'EOF'
#!/bin/bash
echo "sudo $*" >>"$FAKE_LOG"
exit 1
EOF
chmod +x "$work/bin"/*

failed=0
fail() { echo "FAILED: $*"; failed=1; }

# Runs tm_install_deps with UID $1, every package installed except $2...;
# leaves the status in rc, its output in out.
run_deps() {
    local uid=$1
    shift
    (
        source "$root/tools/install-deps.sh"
        printf '%s\n' "${TM_PACKAGES[@]}" | grep -vxF -f <(printf '%s\n' "$@" "") >"$work/installed"
    )
    : >"$work/log"
    out=$(PATH="$work/bin:$PATH" FAKE_UID=$uid FAKE_INSTALLED=$work/installed FAKE_LOG=$work/log \
          FAKE_ARCHITECTURES=${FAKE_ARCHITECTURES-i386} \
          bash -c 'source "$1/tools/install-deps.sh"; tm_install_deps' _ "$root" 2>&1)
    rc=$?
}

# Every package present: status 0, nothing installed, root or not.
for uid in 1000 0; do
    run_deps "$uid"
    [[ $rc -eq 0 ]] || fail "all present (uid $uid): status $rc: $out"
    [[ ! -s "$work/log" ]] || fail "all present (uid $uid) ran: $(cat "$work/log")"
done

# Not root, two missing: status 2, both named with the command, nothing run.
run_deps 1000 xauth netpbm
[[ $rc -eq 2 ]] || fail "missing as a user: status $rc"
[[ $out == *"missing packages: xauth netpbm"* || $out == *"missing packages: netpbm xauth"* ]] \
    || fail "missing as a user: packages not named: $out"
[[ $out == *"sudo apt-get update && sudo apt-get install -y --no-install-recommends "*xauth* ]] \
    || fail "missing as a user: no install command: $out"
[[ $out == *"cmake"* ]] && fail "missing as a user: names a package that is present: $out"
grep -q 'apt-get\|sudo' "$work/log" && fail "missing as a user ran: $(cat "$work/log")"

# A 32-bit package on a system without the i386 architecture: the command
# adds it first.
FAKE_ARCHITECTURES= run_deps 1000 wine32:i386
[[ $rc -eq 2 && $out == *"sudo dpkg --add-architecture i386 && sudo apt-get update && "*"wine32:i386"* ]] \
    || fail "missing 32-bit package: status $rc: $out"

# Root, one missing: apt-get installs it, status 0.
run_deps 0 bc
[[ $rc -eq 0 ]] || fail "missing as root: status $rc: $out"
grep -q '^apt-get .*install .*bc' "$work/log" || fail "missing as root did not install: $(cat "$work/log")"
grep -q '^sudo' "$work/log" && fail "root used sudo: $(cat "$work/log")"

# test.sh as a user with a package missing stops with status 2 before it
# builds anything (the fake cmake would say so).
cat >"$work/bin/cmake" <<'EOF'
#!/bin/bash
echo "cmake $*" >>"$FAKE_LOG"
exit 99
EOF
chmod +x "$work/bin/cmake"
(source "$root/tools/install-deps.sh"; printf '%s\n' "${TM_PACKAGES[@]}" | grep -vx xvfb) >"$work/installed"
: >"$work/log"
out=$(PATH="$work/bin:$PATH" FAKE_UID=1000 FAKE_INSTALLED=$work/installed FAKE_LOG=$work/log \
      FAKE_ARCHITECTURES=i386 bash "$root/test.sh" </dev/null 2>&1)
rc=$?
[[ $rc -eq 2 && $out == *"missing packages: xvfb"* && $out == *"apt-get install"* ]] \
    || fail "test.sh as a user: status $rc: $out"
grep -q . "$work/log" && fail "test.sh as a user ran: $(cat "$work/log")"

[[ $failed -eq 0 ]] && echo "install-deps: all cases passed"
exit $failed
