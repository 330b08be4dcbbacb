#!/bin/sh
# Readies the Wine prefix named by WINEPREFIX to show Feldora's windows:
# creates it when it is new, and gives it Wine's own fonts. With
# "no-window-manager", Wine also draws the window captions itself, as it
# must on a display without a window manager, such as Xvfb's.
#
#   WINEPREFIX=... scripts/prepare-wine-prefix.sh [no-window-manager]
#
# Used by the run script, the screenshots and the benchmark. Messages go to
# standard error.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"

if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..." >&2
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi

# Wine's own fonts: MS Sans Serif (sserife.fon, with the metrics of the
# Windows font the dialogs are laid out in) and Marlett (the caption
# buttons) among them. Debian's Wine does not load them from its data
# folder on these machines, but does from the prefix's Fonts folder.
# Without them "MS Sans Serif" becomes DejaVu Sans, whose wider text the
# labels cut off, and the caption buttons show letters.
wine_fonts=/usr/share/wine/fonts
if [ -d "$wine_fonts" ]; then
    cp -n "$wine_fonts"/*.fon "$wine_fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi

if [ "${1:-}" = no-window-manager ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
fi

# Wine's desktop process belongs to the display it started on. Let the
# server of this preparation end, so that the program started next brings
# up a new one on its own display (the run script prepares without one).
wineserver -w
