#!/usr/bin/env bash
# The windows' folders depend one way: main -> reports, tariff, catalogues -> widgets. The three
# in the middle do not include each other, widgets includes none of them, no window includes
# main, and nothing below the windows includes them. Fails on an include that runs the other way.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder of src/ui may include of src/ui besides its own files.
declare -A allowed=(
    [widgets]="widgets"
    [printer]="printer"
    [catalogues]="catalogues widgets"
    [tariff]="tariff widgets"
    [reports]="reports widgets"
    [main]="main reports tariff catalogues widgets"
)

. scripts/lib/include-layers.sh
layers_title="An include runs against the windows' layers:"

for dir in src/ui/*/; do
    dir=${dir%/}
    folder=$(basename "$dir")
    if [ -z "${allowed[$folder]+set}" ]; then
        layer_problem "src/ui/$folder: a folder the layers do not know (add it to this script)"
        continue
    fi
    while IFS=: read -r file line target; do
        case "$target" in
        ../* | */../*)
            layer_problem "$file:$line: $target (name another folder's header from src/, as ui/...)"
            ;;
        ui/*/*)
            to=${target#ui/}
            to=${to%%/*}
            [[ " ${allowed[$folder]} " == *" $to "* ]] ||
                layer_problem "$file:$line: $folder includes $target"
            ;;
        esac
    done < <(quoted_includes --recursive "$dir")
done

# Below the windows (the core and the documents' Qt side) nothing includes them.
while IFS= read -r hit; do
    layer_problem "$hit"
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"ui/' src \
    --include='*.h' --include='*.cpp' | grep -vE '^src/(ui|app)/' || true)

exit "$layers_failed"
