#!/usr/bin/env bash
# The core's folders depend one way, each on the folders below it:
#   store <- sheets <- sheets/xls, sheets/zipped
#   store <- reports/values <- reports/register (uses sheets) <- reports/computation
#            reports/values, reports/register <- reports/files <- reports/summary
#   reports <- documents/words <- documents/page, documents/input <- documents/forms,
#              documents/offset_act
#   catalogues, documents, reports <- reports/session (the month as the report window shows it)
#   catalogues, documents, reports <- exchange <- render (the Qt side of the documents and of
#   the year's summary, reports/summary)
#   store, reports/files <- backup (the data folder's backups)
# Fails on an include that runs the other way, or that a folder unknown here makes. The windows'
# folders are held by check-ui-layers.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

reports="reports/values reports/register reports/computation reports/files"
documents="documents/words documents/page documents/input documents/forms documents/offset_act"
# What the forms and the act of mutual offset are laid out from.
layout="documents/input documents/page documents/words $reports catalogues store"

# What each folder of src/ may include of src/ besides its own files.
declare -A allowed=(
    [store]="store"
    [sheets]="sheets store"
    [sheets/xls]="sheets store"
    [sheets/zipped]="sheets store"
    [reports/values]="store"
    [reports/register]="reports/values sheets sheets/xls sheets/zipped store"
    [reports/computation]="reports/register reports/values store"
    [reports/files]="reports/register reports/values store"
    [catalogues]="store"
    [tariff]="store"
    [documents/words]="reports/values store"
    [documents/page]="documents/words store"
    [documents/input]="documents/words $reports catalogues store"
    [documents/forms]="$layout"
    [documents/offset_act]="$layout"
    [backup]="reports/files reports/values store"
    [reports/summary]="reports/files reports/values store"
    [reports/session]="$documents $reports catalogues store"
    [exchange]="$documents $reports catalogues store"
    [render]="$documents exchange $reports reports/summary catalogues store"
)

. scripts/lib/include-layers.sh
layers_title="An include runs against the core's layers:"

while IFS= read -r dir; do
    folder=${dir#src/}
    if [ -z "${allowed[$folder]+set}" ]; then
        layer_problem "$dir: a folder of the core the layers do not know (add it to this script)"
        continue
    fi
    while IFS=: read -r file line target; do
        case "$target" in
        ../* | */../* | ./*)
            layer_problem "$file:$line: $target (name another folder's header from src/)" ;;
        */*)
            to=$(dirname "$target")
            [ "$to" = "$folder" ] || [[ " ${allowed[$folder]} " == *" $to "* ]] ||
                layer_problem "$file:$line: $folder includes $target" ;;
        esac
    done < <(quoted_includes "$dir")
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%h\n' \
    | grep -vE '^src/(ui|app)(/|$)' | sort -u)

exit "$layers_failed"
