# Sourced first by test.sh and run.sh: makes the
# project's root (TM_ROOT) the working folder and loads the shell helpers
# they share (packages, Wine, build trees, printing).
TM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$TM_ROOT"
source tools/install-deps.sh
source tools/wine-env.sh
source tools/build-tree.sh
source tools/setup-printing.sh
