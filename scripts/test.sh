#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite headless.
# Exits non-zero when anything fails. KESTRELON_BUILD_DIR names the build folder (default
# build); KESTRELON_SUITE_ONLY=1 leaves out fuzzing, the sanitizers and the printing test, which
# one Debian release runs for all.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
chmod 0700 "$XDG_RUNTIME_DIR"

build=${KESTRELON_BUILD_DIR:-build}
./scripts/check-core-has-no-qt.sh
./scripts/check-core-layers.sh
./scripts/check-ui-layers.sh
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
if [ "${KESTRELON_SUITE_ONLY:-}" != 1 ]; then
    # The fuzz targets briefly, with clang, and the whole suite under the sanitizers.
    if command -v clang++ >/dev/null; then
        ./scripts/fuzz.sh 10
    fi
    ./scripts/sanitize-test.sh
    # Printing end to end through a private CUPS server.
    ./scripts/print-test.sh
fi
# The Debian package, unpacked and started, then installed with its dependencies.
./scripts/package-test.sh "$build"
