#!/usr/bin/env bash
# Prints the three documents of a sample report from Kestrelon's report window (the report is
# opened from the report list, its tab chosen, the print button pressed and the print dialog
# taken as it comes) on a private CUPS server whose default queue writes PDF files, then
# checks with pdftotext that chosen texts lie at their millimetre positions from the paper's
# edge, that the acts of mutual offset come out on as many sheets as their tab shows, and with
# the server's page log that each job carries the document's name.
#
# The server is this script's own: its configuration, spool, socket and queue live in a
# temporary folder, and CUPS_SERVER points the clients at it, so the machine's printers and
# print settings are not touched. Needs a build (./scripts/setup.sh) and the packages
# cups, cups-filters and poppler-utils. Exits non-zero on any failure. Set
# KESTRELON_PRINT_TEST_OUT to a folder to keep the printed PDFs.
set -euo pipefail
cd "$(dirname "$0")/.."

print_e2e=${KESTRELON_PRINT_E2E:-build/tests/ui/report_print_e2e}
queue=kestrelon-pdf
tolerance_mm=0.5

fail() {
    echo "print-test: $*" >&2
    exit 1
}

[ -x "$print_e2e" ] || fail "$print_e2e is not built (run ./scripts/setup.sh)"
export PATH="$PATH:/usr/sbin:/sbin"
for tool in cupsd lpadmin lpinfo lpoptions lpstat pdftotext; do
    command -v "$tool" >/dev/null || fail "$tool is missing (run ./scripts/setup.sh)"
done

work=$(mktemp -d /tmp/kestrelon-print.XXXXXX)
cupsd_pid=
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
# The filters run as the unprivileged "lp" user and must reach the spool.
chmod 0755 "$work"
mkdir -p "$work"/etc/ppd "$work"/state "$work"/cache "$work"/spool/tmp "$work"/log \
    "$work"/home "$work"/out
chmod 0777 "$work"/out

cat >"$work/etc/cupsd.conf" <<EOF
Listen $work/cups.sock
LogLevel info
PageLogFormat %j %{job-name}
Browsing No
WebInterface No
DefaultShared No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$work/etc/cups-files.conf" <<EOF
ServerRoot $work/etc
StateDir $work/state
CacheDir $work/cache
RequestRoot $work/spool
TempDir $work/spool/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
FileDevice Yes
EOF

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!

# Every client below, the test program included, talks to this server and keeps its
# settings (lpoptions) in the temporary folder.
export CUPS_SERVER="$work/cups.sock"
export CUPS_SERVERROOT="$work/etc"
export HOME="$work/home"
unset PRINTER LPDEST

for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd stopped: $(cat "$work/log/error_log" 2>/dev/null)"
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || fail "cupsd does not answer on $CUPS_SERVER"

# cups-filters' generic PDF printer: the job's PDF passes through to the file unchanged.
model=$(lpinfo -m 2>/dev/null | awk '/Generic-PDF_Printer-PDF\.ppd/ {print $1; exit}')
[ -n "$model" ] || fail "no generic PDF printer driver (install cups-filters)"
lpadmin -p "$queue" -E -v "file://$work/out/job.pdf" -m "$model" -o PageSize=A4
lpoptions -d "$queue" >/dev/null

# Waits until the queue has no pending job.
wait_for_jobs() {
    for _ in $(seq 600); do
        if [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; then
            return 0
        fi
        sleep 0.1
    done
    fail "the print job did not finish: $(tail -5 "$work/log/error_log")"
}

# check_word PDF WORD X_MM [TOP_MM]: the word's topmost (then leftmost) occurrence on the
# first page starts X_MM from the paper's left edge and its cell TOP_MM from the top edge.
check_word() {
    local pdf=$1 word=$2 x_mm=$3 top_mm=${4:-}
    local result
    result=$(pdftotext -f 1 -l 1 -bbox "$pdf" - | awk -v want="$word" '
        function attr(name,   m) {
            match($0, name "=\"[0-9.]+\"")
            return substr($0, RSTART + length(name) + 2, RLENGTH - length(name) - 3)
        }
        /<word / {
            text = $0; sub(/.*">/, "", text); sub(/<\/word>.*/, "", text)
            if (text != want) next
            x = attr("xMin") * 25.4 / 72; y = attr("yMin") * 25.4 / 72
            if (!found || y < best_y - 0.01 || (y < best_y + 0.01 && x < best_x)) {
                found = 1; best_x = x; best_y = y
            }
        }
        END { if (found) printf "%.3f %.3f\n", best_x, best_y }')
    [ -n "$result" ] || fail "$(basename "$pdf"): \"$word\" not found"
    local x top
    read -r x top <<<"$result"
    echo "  $(basename "$pdf"): \"$word\" at x = $x mm, top = $top mm"
    awk -v a="$x" -v b="$x_mm" -v t="$tolerance_mm" 'BEGIN { d = a - b; exit !(d <= t && -d <= t) }' ||
        fail "$(basename "$pdf"): \"$word\" at x = $x mm, expected $x_mm mm"
    if [ -n "$top_mm" ]; then
        awk -v a="$top" -v b="$top_mm" -v t="$tolerance_mm" 'BEGIN { d = a - b; exit !(d <= t && -d <= t) }' ||
            fail "$(basename "$pdf"): \"$word\" at top = $top mm, expected $top_mm mm"
    fi
}

# The sheet is A4 within the tolerance (PPD sizes are whole points: 595 x 842).
check_a4() {
    local size
    size=$(pdftotext -f 1 -l 1 -bbox "$1" - | awk -v t="$tolerance_mm" '
        !done && match($0, /<page width="[0-9.]+" height="[0-9.]+"/) {
            split(substr($0, RSTART, RLENGTH), p, "\"")
            w = p[2] * 25.4 / 72; h = p[4] * 25.4 / 72
            printf "%.1f x %.1f mm%s\n", w, h, (w - 210) ^ 2 <= t ^ 2 && (h - 297) ^ 2 <= t ^ 2 ? "" : " (not A4)"
            done = 1
        }')
    echo "  $(basename "$1"): $size"
    [ -n "$size" ] && [[ "$size" != *"not A4"* ]] || fail "$(basename "$1"): paper of $size, expected A4"
}

# print_job NAME DOCUMENT [ROWS]: one job through the default queue, kept as NAME.pdf, with
# what the program said as NAME.log.
print_job() {
    local name=$1
    shift
    rm -f "$work/out/job.pdf"
    "$print_e2e" "$@" >"$work/out/$name.log" || fail "printing $name failed"
    wait_for_jobs
    [ -s "$work/out/job.pdf" ] || fail "$name left no output: $(tail -5 "$work/log/error_log")"
    mv "$work/out/job.pdf" "$work/out/$name.pdf"
}

for document in invoice act offset-act; do
    print_job "$document" "$document"
done
# 120 principal invoices need more than one sheet; every row must reach the paper. A month
# of twelve fits one.
print_job offset-act-long offset-act 120
print_job offset-act-12 offset-act 12

if [ -n "${KESTRELON_PRINT_TEST_OUT:-}" ]; then
    mkdir -p "$KESTRELON_PRINT_TEST_OUT"
    cp "$work"/out/*.pdf "$KESTRELON_PRINT_TEST_OUT"/
fi

echo "Printed through CUPS queue $queue; positions from the paper's edge:"
for document in invoice act offset-act; do
    check_a4 "$work/out/$document.pdf"
done
check_word "$work/out/invoice.pdf" "Сапсан-Телеком" 20 20
check_word "$work/out/invoice.pdf" "Руководитель" 20 204
check_word "$work/out/act.pdf" "АКТ" 25 15
check_word "$work/out/act.pdf" "Исполнитель:" 25 32
check_word "$work/out/offset-act.pdf" "г." 25
pdftotext "$work/out/offset-act-long.pdf" "$work/out/offset-act-long.txt"
sheets=$(tr -cd '\f' <"$work/out/offset-act-long.txt" | wc -c)
echo "  offset-act-long.pdf: $sheets sheets"
[ "$sheets" -ge 2 ] || fail "offset-act-long.pdf: $sheets sheet(s), expected several"
for invoice in 100001 100120; do
    grep -qx "$invoice" "$work/out/offset-act-long.txt" ||
        fail "offset-act-long.pdf: invoice $invoice is missing"
done

# check_sheets NAME: the printed act has as many sheets as its tab showed.
check_sheets() {
    local name=$1 shown printed
    shown=$(sed -n 's/^report_print_e2e: the tab shows \([0-9]*\) sheet(s)$/\1/p' \
        "$work/out/$name.log")
    printed=$(pdftotext "$work/out/$name.pdf" - | tr -cd '\f' | wc -c)
    echo "  $name.pdf: $printed sheet(s), the tab showed $shown"
    [ -n "$shown" ] && [ "$printed" -eq "$shown" ] ||
        fail "$name.pdf: $printed sheet(s), the tab showed ${shown:-none}"
}
check_sheets offset-act-long
check_sheets offset-act-12
[ "$(pdftotext "$work/out/offset-act-12.pdf" - | tr -cd '\f' | wc -c)" -eq 1 ] ||
    fail "offset-act-12.pdf: a month of twelve invoices does not fit one sheet"

# check_job ID NAME: the job's name in the print server's page log.
check_job() {
    local id=$1 name=$2
    grep -qxF "$id $name" "$work/log/page_log" ||
        fail "job $id is not named \"$name\": $(grep "^$id " "$work/log/page_log" | head -1)"
    echo "  job $id: \"$name\""
}
echo "Jobs as the print server names them:"
check_job 1 "Счет 8 за Март 2011"
check_job 2 "Акт 9 за Март 2011"
check_job 3 "Акт зачета 7 за Март 2011"
check_job 5 "Акт зачета 7 за Март 2011"
echo "print-test: 7 passed, 0 failed"
