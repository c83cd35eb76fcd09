#!/bin/bash
# Compiles every resource script (*.rc) below CORPUS_DIR with windres and with tavorin and
# compares the resources (compare_res.py: type, name, language and data; not memory flags).
#
# usage: tests/corpus/check_scripts.sh CORPUS_DIR [TAVORIN] [REPORT_DIR]
#   TAVORIN     the command-line program (default: build/native/tavorin)
#   REPORT_DIR  where the per-script outputs and the list of failures go (default: a new
#               temporary folder, named at the end)
#
# Counts: "compiled" (windres succeeded), "opened" (of those, tavorin succeeded), "equal" (of
# those, the same resources as windres's, or else as llvm-rc-14's: the two compilers differ, for
# instance in the letter case of control classes). Scripts windres cannot compile are counted apart and not checked.
# Each script is compiled in its own folder, which both compilers also search for includes.
set -u
corpus=${1:?usage: check_scripts.sh CORPUS_DIR [TAVORIN] [REPORT_DIR]}
here=$(cd "$(dirname "$0")" && pwd)
tavorin=$(realpath "${2:-$here/../../build/native/tavorin}")
report=${3:-$(mktemp -d)}
windres=${WINDRES:-x86_64-w64-mingw32-windres}
llvm_rc=${LLVM_RC:-llvm-rc-14}
headers=/usr/share/mingw-w64/include
mkdir -p "$report"
report=$(realpath "$report")
: > "$report/failures.txt"
: > "$report/results.tsv"

total=0 compiled=0 opened=0 equal=0 equal_llvm_rc=0
while IFS= read -r -d '' script; do
    total=$((total + 1))
    folder=$(dirname "$script")
    name=$(basename "$script")
    out="$report/out/$total"
    mkdir -p "$out"
    if ! (cd "$folder" && timeout 60 "$windres" -I . -J rc -O res -o "$out/windres.res" "$name") \
        > "$out/windres.log" 2>&1; then
        printf '%s\twindres-failed\n' "$script" >> "$report/results.tsv"
        continue
    fi
    compiled=$((compiled + 1))
    if ! (cd "$folder" && timeout 60 "$tavorin" -I . -convert "$name" "$out/tavorin.res") \
        > "$out/tavorin.log" 2>&1; then
        printf '%s\tnot-opened\n' "$script" >> "$report/results.tsv"
        printf '%s: not opened: %s\n' "$script" "$(head -c 300 "$out/tavorin.log" | tr '\n' ' ')" \
            >> "$report/failures.txt"
        continue
    fi
    opened=$((opened + 1))
    if python3 "$here/compare_res.py" "$out/windres.res" "$out/tavorin.res" > "$out/compare.log" 2>&1; then
        equal=$((equal + 1))
        printf '%s\tequal\n' "$script" >> "$report/results.tsv"
    elif (cd "$folder" && timeout 60 "$llvm_rc" /I . /I "$headers" /FO "$out/llvm-rc.res" "$name") \
            > "$out/llvm-rc.log" 2>&1 &&
        python3 "$here/compare_res.py" "$out/llvm-rc.res" "$out/tavorin.res" > "$out/compare-llvm-rc.log" 2>&1; then
        # windres spells every control class in capitals; llvm-rc keeps them as the script has them.
        equal=$((equal + 1))
        equal_llvm_rc=$((equal_llvm_rc + 1))
        printf '%s\tequal to llvm-rc\n' "$script" >> "$report/results.tsv"
    else
        printf '%s\tdifferent\n' "$script" >> "$report/results.tsv"
        printf '%s: different: %s\n' "$script" "$(head -c 300 "$out/compare.log" | tr '\n' ' ')" \
            >> "$report/failures.txt"
    fi
done < <(find "$(realpath "$corpus")" -type f -iname '*.rc' -print0 | sort -z)

percent() { if [ "$2" -gt 0 ]; then echo "$((100 * $1 / $2)) %"; else echo "-"; fi; }
echo "scripts: $total"
echo "compiled by windres: $compiled"
echo "opened: $opened of $compiled ($(percent "$opened" "$compiled"))"
echo "equal: $equal of $opened ($(percent "$equal" "$opened")), of which $equal_llvm_rc to llvm-rc's and not windres's"
echo "report: $report (failures.txt, results.tsv)"
