#!/bin/sh
# Runs a command under the X display of the caller, or, when there is none,
# under a display of its own from xvfb-run.
#
#   run-under-display.sh COMMAND [ARGUMENT...]
#
# Running the whole ctest under it gives every test the same display, which
# lets the tests share one persistent wineserver:
#
#   tests/wine/run-under-display.sh ctest --test-dir build/win32
#
# When each test gets a display of its own instead, the Wine processes of
# the prefix (WINEPREFIX) are ended after the command, since Wine's desktop
# process stays tied to the display that it started on.
set -u

if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

xvfb-run -a -s "-screen 0 1024x768x24" "$@"
status=$?
if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
fi
exit $status
