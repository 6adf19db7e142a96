#!/usr/bin/env bash
# Installs what is missing on a Debian 12 or 13 machine and builds Kestrelon into build/ (or
# into the folder KESTRELON_BUILD_DIR names). Safe to run again: packages already present are
# not touched, and the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake ninja-build pkg-config ccache
    qt6-base-dev libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fontconfig
    fp-utils
    xvfb xauth
    dbus-daemon at-spi2-core python3-pyatspi
    cups cups-filters poppler-utils
    clang libclang-rt-dev
    file desktop-file-utils
    libgsf-1-dev libxml2-dev zlib1g-dev
    locales
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# The readers of numbers are tested under the Russian locale the program's users have.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi

build_type=${KESTRELON_BUILD_TYPE:-RelWithDebInfo}
build=${KESTRELON_BUILD_DIR:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$build_type"
fi
cmake --build "$build"
