#!/bin/sh
# Installs what is missing, builds Feldora.exe and starts it under Wine,
# handing its arguments on as options (model=..., mode=launchqx, ...).
# With no display it runs under Xvfb, saves a screenshot of the window as
# build/feldora.png and ends the program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

export WINEPREFIX="$root/build/wineprefix-run"
export WINEDEBUG=-all

exe="$root/build/win32/Feldora.exe"
if [ -n "${DISPLAY:-}" ]; then
    "$root/scripts/prepare-wine-prefix.sh"
    exec wine "$exe" "$@"
fi

shot="$root/build/feldora.png"
"$root/scripts/prepare-wine-prefix.sh" no-window-manager
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wine "$0" "$@" &
    for i in $(seq 1 60); do
        sleep 1
        if xwininfo -root -tree | grep -q "\"Export model to Qorvane\"\|\"Invoke QX server dialog\""; then
            sleep 1
            import -window root "'"$shot"'"
            break
        fi
    done
    wineserver -k
' "$exe" "$@"
if [ -e "$shot" ]; then
    echo "No display: Feldora ran under Xvfb; screenshot saved to $shot"
else
    echo "No display: Feldora's window did not appear under Xvfb" >&2
    exit 1
fi
