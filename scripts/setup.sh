#!/usr/bin/env bash
# Installs what is missing on a Debian 12 or 13 machine and builds Kestrelon into build/ (or
# into the folder KESTRELON_BUILD_DIR names). Safe to run again: packages already present are
# not touched, and the build is incremental.
#   ./scripts/setup.sh           what the tests need, then everything (test.sh)
#   ./scripts/setup.sh program   what the program needs, then the program and its files (run.sh)
#   ./scripts/setup.sh packages  what the tests need, nothing built (a Debian 13 root made ready)
# KESTRELON_SUITE_ONLY=1 leaves out the packages of the legs that one release runs for all:
# clang for the sanitizers and fuzzing, CUPS for printing. KESTRELON_BUILD_TYPE (default
# RelWithDebInfo) and KESTRELON_CMAKE_ARGS shape the build; CI=true fails it on a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}

program_packages=(
    g++ cmake ninja-build pkg-config ccache lld
    qt6-base-dev libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fontconfig
    fp-utils
    libgsf-1-dev libxml2-dev zlib1g-dev libxlsxwriter-dev libzip-dev
    libminizip-dev libssl-dev
)
suite_packages=(
    xvfb xauth
    dbus-daemon at-spi2-core python3-pyatspi
    poppler-utils python3-openpyxl
    file desktop-file-utils
    locales
)
one_release_packages=(
    cups cups-filters
    clang libclang-rt-dev
)

case "$what" in
program) packages=("${program_packages[@]}") ;;
all | packages)
    packages=("${program_packages[@]}" "${suite_packages[@]}")
    [ "${KESTRELON_SUITE_ONLY:-}" = 1 ] || packages+=("${one_release_packages[@]}")
    ;;
*)
    echo "usage: $0 [program|packages]" >&2
    exit 2
    ;;
esac

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# The readers of numbers are tested under the Russian locale the program's users have.
if [ "$what" != program ] && ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
[ "$what" != packages ] || exit 0

build=${KESTRELON_BUILD_DIR:-build}
werror=OFF
[ "${CI:-}" != true ] || werror=ON
# Configured every time (a few seconds), so the options are always the ones given here.
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KESTRELON_BUILD_TYPE:-RelWithDebInfo}" \
    -DKESTRELON_WARNINGS_AS_ERRORS="$werror" ${KESTRELON_CMAKE_ARGS:-} >/dev/null
if [ "$what" = program ]; then
    cmake --build "$build" --target program
else
    cmake --build "$build"
fi
