#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, and runs them.
#   fuzz.sh TARGET [SECONDS]   one target for SECONDS (default 600); new
#                              inputs go to build-fuzz/corpus/TARGET, crashes
#                              to build-fuzz/crashes/
#   fuzz.sh --ci               every target: its seed corpus, then a fixed
#                              number of inputs from a fixed seed
#   fuzz.sh --list             the targets
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=(fuzz_trackreader fuzz_meshfile fuzz_deviceconfig fuzz_reply fuzz_cameracaps fuzz_ctlarguments)
# Inputs per target in CI, about a minute each on 2 cores; the configuration
# files go through QSettings and the file system, a few inputs a second.
declare -A ciRuns=([fuzz_trackreader]=20000 [fuzz_meshfile]=20000 [fuzz_deviceconfig]=500
                   [fuzz_reply]=20000 [fuzz_cameracaps]=10000 [fuzz_ctlarguments]=10000)

if [ "${1:-}" = --list ]; then
    printf '%s\n' "${targets[@]}"
    exit 0
fi
[ $# -ge 1 ] || { sed -n '2,9p' "$0" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DEM_SANITIZE=address,undefined -DEM_BUILD_FUZZERS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzzers --parallel "$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/sanitizer/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

# Memory: a run may not take more than a reader of a capped input needs.
run() {
    local target=$1
    shift
    local dict=()
    [ -f "$root/fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
    mkdir -p "$build/corpus/$target" "$build/crashes"
    "$build/fuzz/$target" "${dict[@]}" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
        -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 "$@" \
        "$build/corpus/$target" "$root/fuzz/corpus/$target"
}

if [ "$1" = --ci ]; then
    for target in "${targets[@]}"; do
        runs=${ciRuns[$target]}
        echo "== $target: corpus, then $runs runs"
        rm -rf "$build/corpus/$target"
        if ! run "$target" -runs="$runs" -seed=1 >"$build/$target.log" 2>&1; then
            cat "$build/$target.log"
            exit 1
        fi
        grep -E '^(INFO: seed corpus|#[0-9]+[[:space:]]+(INITED|DONE)|stat::number_of_executed_units|stat::average_exec_per_sec)' \
            "$build/$target.log" || true
    done
    exit 0
fi

target=$1
printf '%s\n' "${targets[@]}" | grep -qx -- "$target" || { echo "fuzz.sh: no target $target" >&2; exit 2; }
run "$target" -max_total_time="${2:-600}" -max_len="${FUZZ_MAX_LEN:-65536}"
