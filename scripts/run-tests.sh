#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
BUILD_DIR=$build "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
# The tests stand in for the emulator on its fixed ports (5454, 34343). In a
# network namespace of their own, other test runs on the machine can neither
# take those ports nor talk to this run's servers.
suite="ctest --output-on-failure --parallel 2 --timeout 600"
if command -v ip >/dev/null 2>&1 && unshare -n true 2>/dev/null; then
    exec unshare -n sh -c "ip link set lo up && $suite"
fi
exec $suite
