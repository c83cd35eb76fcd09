#!/bin/bash
# Reads the resources of PE modules and writes them back into a copy of each module
# (tavorin -convert MODULE COPY), then compares the resource directories of the original and
# the copy with llvm-readobj-14 --coff-resources: types, names, languages, time stamps, code
# pages and every data byte; only the offsets and RVAs, which a rebuilt section moves, are left
# out of the comparison.
#
# usage: tests/corpus/check_modules.sh TAVORIN [SAMPLE] [MODULE...]
#   TAVORIN  the command-line program
#   SAMPLE   check every SAMPLE-th module only (default 1: all of them)
#   MODULE   the modules (default: the 64-bit Windows modules of Debian's libwine)
# Exit 0 when every checked module's resources came back identical.
set -u
tavorin=$(realpath "${1:?usage: check_modules.sh TAVORIN [SAMPLE] [MODULE...]}")
sample=${2:-1}
shift $(( $# >= 2 ? 2 : 1 ))
readobj=llvm-readobj-14
if [ $# -eq 0 ]; then
    mapfile -t modules < <(dpkg -L libwine 2>/dev/null | grep '/x86_64-windows/[^/]*\.[a-z0-9_]*$' | sort)
else
    modules=("$@")
fi
# 77: nothing to check (ctest reports the test as skipped).
[ ${#modules[@]} -gt 0 ] || { echo "no modules (is libwine installed?)" >&2; exit 77; }
command -v "$readobj" >/dev/null || { echo "missing: $readobj" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The directory as llvm-readobj prints it, without what moves with the section. A module
# without resources gets an empty directory (a root table and nothing under it) when its empty
# project is written into it: both hold no resources, so both print as nothing.
resources() {
    "$readobj" --coff-resources "$1" 2>&1 |
        grep -v -e '^File:' -e 'Base Table Address' -e 'Table Offset' -e 'Entry Offset' -e 'DataRVA' |
        awk '{ lines[NR] = $0 } /Total Number of Resources: 0$/ { empty = 1 }
             END { for (i = 1; i <= NR; i++) {
                       if (!empty || !inside || lines[i] !~ /Number of|^ *$/) print lines[i]
                       if (lines[i] ~ /^Resources \[/) inside = 1 } }'
}

checked=0 identical=0 index=0
for module in "${modules[@]}"; do
    index=$((index + 1))
    [ $(( (index - 1) % sample )) -eq 0 ] || continue
    [ -f "$module" ] || continue
    checked=$((checked + 1))
    name=$(basename "$module")
    # The converter only knows modules by the usual extensions; the copy is named to suit.
    case "${name,,}" in
        *.dll|*.exe|*.ocx|*.mui) copy="$work/$name" ;;
        *) copy="$work/$name.dll" ;;
    esac
    input="$module"
    if [ "$copy" != "$work/$name" ]; then
        input="$work/original-$name.dll"
        cp "$module" "$input"
    fi
    if ! "$tavorin" -convert "$input" "$copy" > "$work/log" 2>&1; then
        echo "FAILED $name: $(head -c 300 "$work/log" | tr '\n' ' ')"
        rm -f "$copy" "$work/original-$name.dll"
        continue
    fi
    if cmp -s <(resources "$module") <(resources "$copy"); then
        identical=$((identical + 1))
    else
        echo "DIFFERENT $name: $(diff <(resources "$module") <(resources "$copy") | head -4 | tr '\n' ' ' | head -c 300)"
    fi
    rm -f "$copy" "$work/original-$name.dll"
done
echo "modules identical: $identical of $checked"
[ "$identical" -eq "$checked" ]
