# The sanitizer build (sourced by sanitize-test.sh and fuzz.sh): one clang build in build-asan/
# with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage over the whole tree.
# The suite runs in it under the sanitizers, and the fuzz targets are linked in it as libFuzzer
# programs, so the sources are compiled once for both. Optimized lightly (-O1) with line tables
# only: enough for the sanitizers' stack traces, and quick to build.

# Qt and fontconfig keep caches for the life of the process; leaks are not what this run looks for.
# Set before the build too: test discovery runs the test programs.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

sanitizer_build() {
    command -v clang++ >/dev/null || {
        echo "clang++ is missing (run ./scripts/setup.sh)" >&2
        return 1
    }
    local flags="-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer"
    flags+=" -fno-sanitize-recover=undefined"
    CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
        -DKESTRELON_BUILD_BENCH=OFF -DKESTRELON_FUZZERS=ON \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
        -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
    cmake --build build-asan
}
