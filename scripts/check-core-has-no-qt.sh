#!/usr/bin/env bash
# The core libraries build with the standard library only: fail when one includes Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
core=(src/store src/sheets src/catalogues src/tariff src/reports src/exchange)
existing=()
for d in "${core[@]}"; do [ -d "$d" ] && existing+=("$d"); done
[ -d src/documents ] && existing+=(src/documents)
hits=$(grep -rnE '#\s*include\s*[<"]Q[A-Za-z]' "${existing[@]}" --include='*.h' --include='*.cpp' \
    || true)
if [ -n "$hits" ]; then
    echo "A core library includes a Qt header:"
    echo "$hits"
    exit 1
fi
