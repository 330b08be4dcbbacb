#!/bin/sh
# Runs one Windows test program under Wine, for ctest:
#
#   run-wine-test.sh WINE PROGRAM [ARGUMENT...]
#
# The Wine service processes and the desktop process that the program
# starts inherit its output and stay until the wineserver ends, a minute
# later. Were that output ctest's pipe, ctest would wait for them all that
# time; so the program writes to a file, which is shown when it ends.
set -u
log=$(mktemp "${TMPDIR:-/tmp}/feldora-wine-test.XXXXXX")
"$(dirname "$0")/run-under-display.sh" "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit $status
