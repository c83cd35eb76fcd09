#!/bin/bash
# Reads every resource script (*.rc) below CORPUS_DIR, writes it back as a script with its header
# into a new folder, reads that script again and compares the resources of both readings
# (compare_res.py: type, name, language and data; not memory flags): .rc -> .rc -> .res against
# .rc -> .res. Scripts tavorin cannot open are counted apart and not checked.
#
# usage: tests/corpus/check_script_round_trip.sh CORPUS_DIR [TAVORIN] [REPORT_DIR]
#   TAVORIN     the command-line program (default: build/native/tavorin)
#   REPORT_DIR  where the per-script outputs and the list of failures go (default: a new
#               temporary folder, named at the end)
# Each script is read in its own folder, which is also searched for includes; the written
# script is read in its new folder with the original folder searched after it.
set -u
corpus=${1:?usage: check_script_round_trip.sh CORPUS_DIR [TAVORIN] [REPORT_DIR]}
here=$(cd "$(dirname "$0")" && pwd)
tavorin=$(realpath "${2:-$here/../../build/native/tavorin}")
report=${3:-$(mktemp -d)}
mkdir -p "$report"
report=$(realpath "$report")
: > "$report/failures.txt"
: > "$report/results.tsv"

total=0 opened=0 survived=0
while IFS= read -r -d '' script; do
    total=$((total + 1))
    folder=$(dirname "$script")
    name=$(basename "$script")
    out="$report/out/$total"
    mkdir -p "$out/written"
    if ! (cd "$folder" && timeout 60 "$tavorin" -I . -convert "$name" "$out/direct.res") > "$out/direct.log" 2>&1; then
        printf '%s\tnot-opened\n' "$script" >> "$report/results.tsv"
        continue
    fi
    opened=$((opened + 1))
    if ! (cd "$folder" && timeout 60 "$tavorin" -I . -convert "$name" "$out/written/$name") > "$out/write.log" 2>&1 ||
       ! (cd "$out/written" && timeout 60 "$tavorin" -I . -I "$folder" -convert "$name" "$out/again.res") \
           > "$out/again.log" 2>&1; then
        printf '%s\tnot-read-back\n' "$script" >> "$report/results.tsv"
        printf '%s: not read back: %s\n' "$script" "$(cat "$out/write.log" "$out/again.log" 2>/dev/null | head -c 300 | tr '\n' ' ')" \
            >> "$report/failures.txt"
        continue
    fi
    if python3 "$here/compare_res.py" "$out/direct.res" "$out/again.res" > "$out/compare.log" 2>&1; then
        survived=$((survived + 1))
        printf '%s\tsurvived\n' "$script" >> "$report/results.tsv"
    else
        printf '%s\tdifferent\n' "$script" >> "$report/results.tsv"
        printf '%s: different: %s\n' "$script" "$(head -c 300 "$out/compare.log" | tr '\n' ' ')" >> "$report/failures.txt"
    fi
done < <(find "$(realpath "$corpus")" -type f -iname '*.rc' -print0 | sort -z)

echo "scripts: $total"
echo "opened: $opened"
echo "survived .rc -> .rc -> .res: $survived of $opened"
echo "report: $report (failures.txt, results.tsv)"
[ "$survived" -eq "$opened" ]
