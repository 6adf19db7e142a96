#!/usr/bin/env bash
# Builds the whole suite, UI tests included, with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs it. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

# Qt and fontconfig keep caches for the life of the process; leaks are not what this run looks for.
# Set before the build too: test discovery runs the test programs.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
chmod 0700 "$XDG_RUNTIME_DIR"

flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRELON_BUILD_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags"
fi
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
