#!/bin/sh
# Ends the wineserver of the test prefix and every Wine process in it, so
# that no window or server is left behind after the tests.
#
#   stop-prefix.sh PREFIX
set -eu
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
export WINEPREFIX="$1"
[ -d "$WINEPREFIX" ] || exit 0
wineserver -k 2>/dev/null || true
