#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its own figures. Not part of
# the test suite: figures depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build "$root/scripts/build.sh" -DEM_BUILD_BENCHMARKS=ON >/dev/null
export QT_QPA_PLATFORM=offscreen

echo "== plug-in start-up (median of 11 host starts)"
settings=$(mktemp -d)
for i in $(seq 11); do
    "$build/bin/ide-host" -settingspath "$settings" -no-emulator -profile -exit-after 0 2>/dev/null
done | awk '$1 == "EmulationManagement" { print $2, $3 }' >"$settings/times"
for phase in load initialize extensionsInitialized delayedInitialize; do
    median=$(awk -v p="$phase" '$1 == p { print $2 }' "$settings/times" | sort -n | sed -n 6p)
    echo "$phase $median ms"
done
rm -rf "$settings"

echo "== window: plug-in initialize against an empty document with the same imports (median of 11 processes)"
run_gui() {
    if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x800x24" "$@"; fi
}
times=$(mktemp)
for i in $(seq 11); do
    run_gui env QT_QPA_PLATFORM=xcb "$build/bench/bench_window" floor 2>/dev/null
    run_gui env QT_QPA_PLATFORM=xcb "$build/bench/bench_window" window 2>/dev/null
done >"$times"
for figure in floor initialize "first show" "page switch"; do
    median=$(grep "^$figure " "$times" | sed "s/^$figure //" | awk '{ print $1 }' | sort -n | sed -n 6p)
    echo "$figure $median ms"
done
rm -f "$times"

echo "== phone page's 3D model (Mesa software OpenGL under Xvfb unless a display is set)"
run_gui env QT_QPA_PLATFORM=xcb "$build/bench/bench_smartphonemodel" 2>/dev/null

echo "== reconnection while the emulator is down"
"$build/bench/bench_reconnect" 5

echo "== GPS page: whole loads, the window's thread meanwhile, scrolling and playback"
for mode in day nmea50 gpx50 playback; do
    "$build/bench/bench_gpspage" "$mode" 2>/dev/null
done

for bench in "$build"/bench/bench_*; do
    case "$bench" in */bench_reconnect | */bench_window | */bench_smartphonemodel | */bench_gpspage) continue ;; esac
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
