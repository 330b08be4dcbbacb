#!/bin/sh
# Measures Feldora.exe against the reference dialog program and prints
#   metric | Feldora | reference | ratio | target | styled reference | ratio
# for the start-up time, the peak working set, the stripped file size and
# the imported DLLs. The styled reference is the reference with Feldora's
# manifest: comparing with it leaves out what the manifest itself costs
# (common controls 6 are loaded at start-up). A second table says where
# the cost goes, step by step: the reference, its manifest, Feldora's export
# window shown by the reference from Feldora's own resources (the window
# reference), and last Feldora itself, whose own code is what remains.
#
#   bench/run.sh [BUILD_DIR [RUNS]]
#
# BUILD_DIR defaults to build/win32 (configured with the MinGW toolchain if
# it is not yet), RUNS to 15 starts of each program (at least 10); the
# medians are reported. Builds Feldora, the two references and launch_meter
# there, and runs them in the Wine prefix BUILD_DIR/wineprefix-bench, on a
# display of its own when there is none. The numbers are what this machine
# shows under Wine; compare them with each other, not with Windows.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win32}
runs=${2:-15}
case $runs in
    ''|*[!0-9]*) echo "$0: RUNS must be a number" >&2; exit 2 ;;
esac
[ "$runs" -ge 10 ] || { echo "$0: RUNS must be at least 10" >&2; exit 2; }

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target Feldora feldora_reference feldora_reference_styled \
    feldora_reference_window launch_meter >/dev/null
build=$(cd "$build" && pwd)

feldora=$build/Feldora.exe
reference=$build/bench/feldora_reference.exe
styled=$build/bench/feldora_reference_styled.exe
window=$build/bench/feldora_reference_window.exe
meter=$build/bench/launch_meter.exe

export WINEPREFIX="$build/wineprefix-bench"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true' EXIT

# Captions drawn by Wine, and Wine's own fonts, so that the dialogs are
# laid out in MS Sans Serif as on Windows.
"$root/scripts/prepare-wine-prefix.sh" no-window-manager

# A host path as Wine's Z: drive shows it.
windows_path() { printf 'Z:%s' "$1" | sed 's|/|\\|g'; }

# Feldora is ready when its server-address field shows the stored address;
# the reference when the same field shows its command line.
server_address='https://qx.example.com:9443/qx'
temp=$build/bench-temp
mkdir -p "$temp"
printf '[tarnivex]\r\nserverUri=%s\r\nprojectArea=Plant models\r\nuserName=jdoe\r\n' "$server_address" \
    > "$temp/siqxdata.ini"

echo "Starting each program $runs times (plus one warm-up start)..." >&2
results=$temp/results.txt
if ! wine "$meter" "$runs" "$(windows_path "$temp")" \
    Feldora "$(windows_path "$feldora")" "$server_address" 'model=C:\models\plant.mdl' \
    reference "$(windows_path "$reference")" "$server_address" "$server_address" \
    styled "$(windows_path "$styled")" "$server_address" "$server_address" \
    window "$(windows_path "$window")" "$server_address" "$server_address" \
    > "$results.raw"; then
    tr -d '\r' < "$results.raw" >&2
    exit 1
fi
tr -d '\r' < "$results.raw" > "$results"
grep '^#' "$results" >&2 || true

field() { awk -v name="$1" -v n="$2" '$1 == name { print $n }' "$results"; }

stripped_size() {
    copy=$temp/$(basename "$1" .exe).stripped.exe
    i686-w64-mingw32-strip -o "$copy" "$1"
    stat -c %s "$copy"
}

imports() {
    i686-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print $3 }' | sort -f | paste -sd' ' -
}

# Only DLLs that every Windows has.
system_dlls=' ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL USER32.DLL '
only_system_dlls() {
    for dll in $1; do
        upper=$(printf '%s' "$dll" | tr '[:lower:]' '[:upper:]')
        case $system_dlls in *" $upper "*) ;; *) return 1 ;; esac
    done
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v limit="$2" 'BEGIN { print (r <= limit) ? "met" : "MISSED" }'; }
range() { printf '%s-%s' "$(field "$1" 3)" "$(field "$1" 4)"; }

f_ms=$(field Feldora 2); r_ms=$(field reference 2); s_ms=$(field styled 2)
f_kib=$(field Feldora 5); r_kib=$(field reference 5); s_kib=$(field styled 5)
f_size=$(stripped_size "$feldora"); r_size=$(stripped_size "$reference"); s_size=$(stripped_size "$styled")
f_dlls=$(imports "$feldora"); r_dlls=$(imports "$reference"); s_dlls=$(imports "$styled")

ms_ratio=$(ratio "$f_ms" "$r_ms")
kib_ratio=$(ratio "$f_kib" "$r_kib")
if only_system_dlls "$f_dlls"; then dll_verdict=met; else dll_verdict=MISSED; fi

printf '\n'
printf '| metric | Feldora | reference | ratio | target | styled reference | ratio |\n'
printf '|---|---|---|---|---|---|---|\n'
printf '| start-up until the filled window shows, ms (median of %s; min-max) | %s (%s) | %s (%s) | %s | <= 1.10: %s | %s (%s) | %s |\n' \
    "$runs" "$f_ms" "$(range Feldora)" "$r_ms" "$(range reference)" "$ms_ratio" \
    "$(verdict "$ms_ratio" 1.10)" "$s_ms" "$(range styled)" "$(ratio "$f_ms" "$s_ms")"
printf '| peak working set, KiB (median) | %s | %s | %s | <= 1.10: %s | %s | %s |\n' \
    "$f_kib" "$r_kib" "$kib_ratio" "$(verdict "$kib_ratio" 1.10)" "$s_kib" "$(ratio "$f_kib" "$s_kib")"
printf '| stripped size, bytes | %s (%s KiB) | %s | %s | <= 256 KiB: %s | %s | %s |\n' \
    "$f_size" "$((f_size / 1024))" "$r_size" "$(ratio "$f_size" "$r_size")" \
    "$(verdict "$f_size" 262144)" "$s_size" "$(ratio "$f_size" "$s_size")"
printf '| imported DLLs | %s | %s | | system DLLs only: %s | %s | |\n' \
    "$f_dlls" "$r_dlls" "$dll_verdict" "$s_dlls"

w_ms=$(field window 2); w_kib=$(field window 5)
added() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }
printf '\n'
printf '| where it goes | start-up, ms | added | peak working set, KiB | added |\n'
printf '|---|---|---|---|---|\n'
printf '| reference: one small dialog | %s | | %s | |\n' "$r_ms" "$r_kib"
printf '| + the manifest (common controls 6) | %s | %s | %s | %s |\n' \
    "$s_ms" "$(added "$s_ms" "$r_ms")" "$s_kib" "$(added "$s_kib" "$r_kib")"
printf '| + the export window template, shown by the reference | %s | %s | %s | %s |\n' \
    "$w_ms" "$(added "$w_ms" "$s_ms")" "$w_kib" "$(added "$w_kib" "$s_kib")"
printf '| Feldora.exe: its own code (settings, options, icon, menu, framework) | %s | %s | %s | %s |\n' \
    "$f_ms" "$(added "$f_ms" "$w_ms")" "$f_kib" "$(added "$f_kib" "$w_kib")"
