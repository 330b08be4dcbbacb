#!/bin/sh
# Takes pictures of Feldora's three windows, as the real program shows them
# under Wine: the export window (with a model path and stored settings),
# the navigate window and the About box.
#
#   scripts/screenshots.sh OUTDIR [FELDORA_EXE]
#
# Writes OUTDIR/export.png, OUTDIR/navigate.png and OUTDIR/about.png, each
# cut to its window. FELDORA_EXE defaults to build/win32/Feldora.exe. It
# builds nothing: window_command.exe (the target of that name, from bench/)
# must have been built beside it, in the bench folder of the same build.
# Runs in a Wine prefix of its own, wineprefix-shots in the build folder,
# and on a display of its own when there is none. Fails when a window does
# not appear.
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 OUTDIR [FELDORA_EXE]" >&2
    exit 2
fi

root=$(cd "$(dirname "$0")/.." && pwd)
exe=${2:-$root/build/win32/Feldora.exe}
[ -f "$exe" ] || { echo "$0: $exe does not exist; build the Feldora target first" >&2; exit 1; }
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
build=$(dirname "$exe")
helper=$build/bench/window_command.exe
[ -f "$helper" ] || { echo "$0: $helper does not exist; build the window_command target first" >&2; exit 1; }

mkdir -p "$1"
outdir=$(cd "$1" && pwd)

# Without a display, start again on one of our own.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$outdir" "$exe"
fi

export WINEPREFIX="$build/wineprefix-shots"
export WINEDEBUG=-all
# No download prompts for Mono and Gecko, no menu entries on the host.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

feldora_pid=
cleanup() {
    # Ends Feldora and every other Wine process of this prefix, which the
    # script started; Wine's desktop process is tied to this display.
    wineserver -k 2>/dev/null || true
    if [ -n "$feldora_pid" ]; then
        wait "$feldora_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

"$root/scripts/prepare-wine-prefix.sh" no-window-manager

# The stored settings go where the program looks for them: the temporary
# folder that Wine gives a program started from here, C:\users\<user>\Temp.
temp="$WINEPREFIX/drive_c/users/$(id -un)/Temp"
mkdir -p "$temp"
printf '[tarnivex]\r\nserverUri=https://qx.example.com:9443/qx\r\nprojectArea=Plant models\r\nuserName=jdoe\r\n' \
    > "$temp/siqxdata.ini"
server_address='https://qx.example.com:9443/qx'

# Prints "X Y W H" of the window once it is visible (and, with ID and TEXT,
# once that control holds the text); fails when it does not appear.
wait_for() {
    rect=$(wine "$helper" wait "$@") || { echo "$0: the window \"$1\" did not appear" >&2; return 1; }
    printf '%s\n' "$rect" | tr -d '\r'
}

# Saves the screen's area X Y W H as a picture.
shoot() {
    # shellcheck disable=SC2086
    set -- $1 "$2"
    [ $# -eq 5 ] || { echo "$0: no window rectangle" >&2; return 1; }
    # Give the window a moment to finish painting.
    sleep 1
    import -window root -crop "${3}x${4}+${1}+${2}" +repage "$5"
    echo "saved $5 (${3}x${4})"
}

close_all() {
    wineserver -k 2>/dev/null || true
    wait "$feldora_pid" 2>/dev/null || true
    feldora_pid=
}

# The export window and, over it, the About box from its system menu.
wine "$exe" 'model=C:\models\plant.mdl' &
feldora_pid=$!
rect=$(wait_for "Export model to Qorvane" 1002 "$server_address")
shoot "$rect" "$outdir/export.png"
wine "$helper" syscommand "Export model to Qorvane" 16
rect=$(wait_for "About Feldora")
shoot "$rect" "$outdir/about.png"
close_all

# The navigate window.
wine "$exe" mode=launchqx modelname=plant &
feldora_pid=$!
rect=$(wait_for "Invoke QX server dialog" 1002 "$server_address")
shoot "$rect" "$outdir/navigate.png"
close_all
