#!/bin/bash
# Writes the register of register_cells.txt with each program that principals' billing
# systems save their registers with, into this folder, so that the tests read files exactly
# as those programs write them. Run it after changing the register and check the files in:
# the tests need none of these programs.
#
# Needs Debian's python3-openpyxl, python3-xlsxwriter, python3-xlwt, gnumeric (ssconvert),
# libapache-poi-java with a JDK, and node with npm; the npm packages of package.json go to
# $PRODUCERS_NODE_DIR (default /tmp/kestrelon-register-producers), never into the tree.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node_dir=${PRODUCERS_NODE_DIR:-/tmp/kestrelon-register-producers}
# Dates are written at midnight; a time zone other than UTC would move them a day in the
# JavaScript writers.
export TZ=UTC
# Debian's Python, whose packages are the ones named above.
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1

"$python" "$here/openpyxl_files.py" "$here" "$work"
"$python" "$here/xlsxwriter_files.py" "$here"
"$python" "$here/xlwt_files.py" "$here"

poi=/usr/share/java
classpath="$poi/poi.jar:$poi/commons-math3.jar:$poi/commons-collections4.jar:$poi/commons-codec.jar"
javac -encoding UTF-8 -Xlint:all,-path -cp "$classpath" -d "$work" "$here/PoiHssfFiles.java"
java -cp "$work:$classpath" PoiHssfFiles "$here/register_cells.txt" "$here"

mkdir -p "$node_dir"
cp "$here/package.json" "$here/package-lock.json" "$node_dir/"
(cd "$node_dir" && npm ci --no-audit --no-fund --loglevel=error)
NODE_PATH="$node_dir/node_modules" node "$here/exceljs_files.js" "$here"
NODE_PATH="$node_dir/node_modules" node "$here/sheetjs_files.js" "$here"

# Gnumeric converts what openpyxl wrote, working out the formulas' values on the way. Its
# plain CSV shows dates as YYYY/MM/DD and numbers with all the digits of their binary value
# (99.9 as 99.90000000000001), as its SYLK does; asked to keep the cells' formats, it shows
# the dates as the source formats them (YYYY-MM-DD in iso_dates.xlsx).
convert() {
    ssconvert "$@" 2>>"$work/ssconvert.log" >/dev/null
}
for ext in xlsx xls ods csv slk; do
    convert "$here/openpyxl_plain.xlsx" "$here/gnumeric_plain.$ext"
done
for ext in xlsx xls ods csv slk; do
    convert "$here/openpyxl_formulas.xlsx" "$here/gnumeric_formulas.$ext"
done
for ext in ods csv; do
    convert "$here/openpyxl_line_break.xlsx" "$here/gnumeric_line_break.$ext"
done
convert "$here/openpyxl_named_range.xlsx" "$here/gnumeric_named_range.ods"
convert -T Gnumeric_stf:stf_assistant -O 'separator=; format=preserve' \
    "$work/iso_dates.xlsx" "$here/gnumeric_iso_dates.csv"
