#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole test suite headless.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
chmod 0700 "$XDG_RUNTIME_DIR"

./scripts/check-core-has-no-qt.sh
./scripts/check-ui-layers.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
# The fuzz targets briefly, with clang, and the whole suite under the sanitizers.
if command -v clang++ >/dev/null; then
    ./scripts/fuzz.sh 10
fi
./scripts/sanitize-test.sh
# Printing end to end through a private CUPS server.
./scripts/print-test.sh
# The Debian package, unpacked and started as installed.
./scripts/package-test.sh
