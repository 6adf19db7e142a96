#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Kestrelon with the arguments given. Its data lives
# in build/bin/ (or the bin/ folder of KESTRELON_BUILD_DIR), the folder of the executable.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh program
exec "./${KESTRELON_BUILD_DIR:-build}/bin/kestrelon" "$@"
