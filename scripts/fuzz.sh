#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz/ and runs each for SECONDS (default 60), starting from its kept corpus in
# fuzz/corpus/<target>/. Inputs found on the way go to build-fuzz/corpus/<target>/, a crash or
# broken property to build-fuzz/crash-<target>-*; the run then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if [ ! -f build-fuzz/build.ninja ]; then
    CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja
fi
cmake --build build-fuzz

failed=0
for seeds in fuzz/corpus/*/; do
    target=$(basename "$seeds")
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target (${seconds} s)"
    if ! "build-fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crash-$target-" "build-fuzz/corpus/$target" "$seeds" \
        2>"build-fuzz/$target.log"; then
        tail -n 40 "build-fuzz/$target.log"
        failed=1
    fi
    grep -E '^stat::number_of_executed_units' "build-fuzz/$target.log" || true
done
exit "$failed"
