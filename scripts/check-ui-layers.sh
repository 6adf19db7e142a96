#!/usr/bin/env bash
# The windows' folders depend one way: main -> reports, tariff, catalogues -> widgets. The three
# in the middle do not include each other, widgets includes none of them, no window includes
# main, and nothing below the windows includes them. Fails on an include that runs the other way.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder of src/ui may include of src/ui besides its own files.
declare -A allowed=(
    [widgets]="widgets"
    [catalogues]="catalogues widgets"
    [tariff]="tariff widgets"
    [reports]="reports widgets"
    [main]="main reports tariff catalogues widgets"
)

failed=0
report() {
    [ "$failed" = 1 ] || echo "An include runs against the windows' layers:"
    failed=1
    echo "  $1"
}

for dir in src/ui/*/; do
    dir=${dir%/}
    folder=$(basename "$dir")
    if [ -z "${allowed[$folder]+set}" ]; then
        report "src/ui/$folder: a folder the layers do not know (add it to this script)"
        continue
    fi
    while IFS=: read -r file line text; do
        target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
        case "$target" in
        ../* | */../*)
            report "$file:$line: $target (name another folder's header from src/, as ui/...)" ;;
        ui/*/*)
            to=${target#ui/}
            to=${to%%/*}
            [[ " ${allowed[$folder]} " == *" $to "* ]] || report "$file:$line: $folder includes $target" ;;
        esac
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$dir" \
        --include='*.h' --include='*.cpp' || true)
done

# Below the windows (the core and the documents' Qt side) nothing includes them.
while IFS= read -r hit; do
    report "$hit"
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"ui/' src \
    --include='*.h' --include='*.cpp' | grep -vE '^src/(ui|app)/' || true)

exit "$failed"
