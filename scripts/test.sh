#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite headless; then the suite again
# under the sanitizers, every fuzz target and printing through CUPS (one Debian release runs
# these for all); then the package test. Exits non-zero when anything fails.
# KESTRELON_BUILD_DIR names the build folder (default build); KESTRELON_SUITE_ONLY=1 leaves out
# the sanitizers, fuzzing and printing. A leg after the suite that passed on this very tree is
# said and not run again (scripts/lib/passed-before.sh; KESTRELON_RETEST=1 runs it).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
./scripts/setup.sh
echo "== set-up and build: $((SECONDS - started)) s"
. scripts/lib/headless.sh
. scripts/lib/passed-before.sh

build=${KESTRELON_BUILD_DIR:-build}
stamps=$build/passed
digest=$(tree_digest)

./scripts/check-core-has-no-qt.sh
./scripts/check-core-layers.sh
./scripts/check-ui-layers.sh
suite_started=$SECONDS
ctest --test-dir "$build" --output-on-failure -j "$ctest_jobs"
echo "== suite: passed in $((SECONDS - suite_started)) s"
if [ "${KESTRELON_SUITE_ONLY:-}" != 1 ]; then
    run_leg sanitizers ./scripts/sanitize-test.sh
    run_leg fuzzing ./scripts/fuzz.sh 10
    run_leg printing ./scripts/print-test.sh
fi
# The Debian package, unpacked and started, then installed with its dependencies.
run_leg package ./scripts/package-test.sh "$build"
echo "== test.sh: everything passed in $((SECONDS - started)) s"
