#!/usr/bin/env bash
# Builds the whole suite, UI tests included, with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (scripts/lib/sanitizer-build.sh) and runs it. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/sanitizer-build.sh
. scripts/lib/headless.sh

sanitizer_build
ctest --test-dir build-asan --output-on-failure -j "$ctest_jobs"
