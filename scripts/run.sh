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
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi

# Wine's own fonts (MS Sans Serif among them, with the metrics the dialogs
# are laid out in) are only found in the prefix's Fonts folder here.
if [ -d /usr/share/wine/fonts ]; then
    cp -n /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi

exe="$root/build/win32/Feldora.exe"
if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe" "$@"
fi

shot="$root/build/feldora.png"
# Wine draws the caption itself when no window manager runs.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
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
