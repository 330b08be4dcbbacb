#!/bin/sh
# Creates the private Wine prefix that the window tests run in, or checks
# that an existing one is still set up, and starts its wineserver so that
# the tests do not pay for starting it each time.
#
#   setup-prefix.sh PREFIX BROWSER_STANDIN
#
# PREFIX is the prefix folder (inside the build folder), BROWSER_STANDIN the
# host path of browser_standin.exe. A second run with the same arguments
# only starts the wineserver.
set -eu

[ $# -eq 2 ] || { echo "usage: $0 PREFIX BROWSER_STANDIN" >&2; exit 2; }
prefix=$1
browser=$2
[ -f "$browser" ] || { echo "$0: $browser does not exist" >&2; exit 1; }

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No download prompts for Mono and Gecko, and no menu entries or file
# associations for the host's desktop from this prefix.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"

# A host path as Wine's Z: drive shows it.
windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }
# A text as a string in a .reg file: backslashes and quotes escaped.
reg_string() { printf '"%s"' "$(printf '%s' "$1" | sed 's|\\|\\\\|g; s|"|\\"|g')"; }

open_command=$(reg_string "\"$(windows_path "$browser")\" \"%1\"")

# Wine draws the window captions itself (there may be no window manager on
# the test display), and the browser stand-in opens web addresses. Wine
# honours these associations under HKLM only. ftp goes to the stand-in too,
# so that a launch of an ftp address would not go unnoticed.
settings=$(cat <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\http\\shell\\open\\command]
@=$open_command

[HKEY_LOCAL_MACHINE\\Software\\Classes\\https\\shell\\open\\command]
@=$open_command

[HKEY_LOCAL_MACHINE\\Software\\Classes\\ftp\\shell\\open\\command]
@=$open_command
REG
)

mkdir -p "$prefix"

stamp="$prefix/feldora-settings.reg"
if [ ! -f "$prefix/system.reg" ] || [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$settings" ]; then
    if [ ! -f "$prefix/system.reg" ]; then
        echo "Creating the Wine prefix $prefix"
        wineboot -i
    fi
    printf '%s\n' "$settings" > "$stamp.new"
    wine regedit /S "$(windows_path "$stamp.new")"
    # Let the wineserver that did this end and write the registry out.
    wineserver -w
    mv "$stamp.new" "$stamp"
    echo "Wine prefix $prefix is set up"
fi

# A persistent wineserver for the tests, which ends a minute after the last
# Wine process. If one is running for this prefix already, that one serves.
# Its output goes nowhere, or ctest would wait for it to end. The server
# counts its minute only once a process has come and gone, so one short
# program starts now; it also starts Wine's service processes, which then
# need not start in the first test.
wineserver -p60 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1
