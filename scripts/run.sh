#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Kestrelon. Its data lives in build/bin/,
# the folder of the executable.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
exec ./build/bin/kestrelon
