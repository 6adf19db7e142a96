#!/usr/bin/env bash
# Builds the fuzz targets in the sanitizer build (build-asan/, scripts/lib/sanitizer-build.sh:
# clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for SECONDS
# (default 60), as many at once as there are processors, starting from its kept corpus in
# fuzz/corpus/<target>/. Inputs found on the way go to build-asan/fuzz-corpus/<target>/, a crash
# or broken property to build-asan/crash-<target>-*; the run then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
. scripts/lib/sanitizer-build.sh

sanitizer_build
# The fuzzers run with the sanitizers' and libFuzzer's own defaults: leaks are looked for too.
unset ASAN_OPTIONS UBSAN_OPTIONS

# fuzz_one TARGET: one target's run, its statistics on success, the end of its log on failure.
fuzz_one() {
    local target=$1 log=build-asan/fuzz-$1.log
    mkdir -p "build-asan/fuzz-corpus/$target"
    if "build-asan/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-asan/crash-$target-" "build-asan/fuzz-corpus/$target" \
        "fuzz/corpus/$target" 2>"$log"; then
        echo "== $target (${seconds} s): $(grep -E '^stat::number_of_executed_units' "$log")"
    else
        echo "== $target (${seconds} s) FAILED"
        tail -n 40 "$log"
        return 1
    fi
}

targets=()
for seeds in fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in fuzz/corpus" >&2; exit 1; }

failed=0
running=0
for target in "${targets[@]}"; do
    fuzz_one "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done
exit "$failed"
