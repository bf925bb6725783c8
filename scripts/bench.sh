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

echo "== reconnection while the emulator is down"
"$build/bench/bench_reconnect" 5

for bench in "$build"/bench/bench_*; do
    case "$bench" in */bench_reconnect) continue ;; esac
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done
