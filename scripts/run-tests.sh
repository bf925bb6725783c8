#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
#   run-tests.sh              into build/
#   run-tests.sh --sanitize   with AddressSanitizer and UndefinedBehaviorSanitizer
#                             into build-sanitize/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
options=()
if [ "${1:-}" = --sanitize ]; then
    build=${BUILD_DIR:-$root/build-sanitize}
    # Debug: assertions on; the sanitizer options add -O1.
    options=(-DEM_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=Debug)
    # max_malloc_fill_size=0: Qt 6.4's QML engine reads a fresh heap block
    # before writing it when compiled QML stores to a name
    # (AOTCompiledContext::storeNameSloppy); glibc hands such blocks out
    # zeroed, the sanitizer's default fill makes Qt dereference garbage.
    # fast_unwind_on_malloc=0: the system libraries are built without frame
    # pointers; only the slow unwinder gives the whole stack that a
    # suppression names (tests/CMakeLists.txt: em_unwind_fast).
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:max_malloc_fill_size=0:fast_unwind_on_malloc=0}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/sanitizer/lsan.supp:print_suppressions=0}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
else
    build=${BUILD_DIR:-$root/build}
fi
"$root/scripts/setup.sh"
BUILD_DIR=$build "$root/scripts/build.sh" "${options[@]}"
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
