#!/bin/bash
# Compiles the scripts of the binutils windres test suite (binutils/testsuite/binutils-all/windres
# in the binutils sources) with tavorin and compares the resources with the suite's dumps of
# Microsoft RC's output (*.rsd), as compare_res.py compares them: not the memory flags.
#
# usage: tests/corpus/check_windres_suite.sh SUITE_DIR [TAVORIN]
# A script's "// cpparg -DNAME=VALUE" lines give its definitions. Scripts without a dump are
# not checked.
set -u
suite=$(realpath "${1:?usage: check_windres_suite.sh SUITE_DIR [TAVORIN]}")
here=$(cd "$(dirname "$0")" && pwd)
tavorin=$(realpath "${2:-$here/../../build/native/tavorin}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

checked=0 matched=0
for dump in "$suite"/*.rsd; do
    name=$(basename "$dump" .rsd)
    script="$suite/$name.rc"
    [ -f "$script" ] || continue
    checked=$((checked + 1))
    python3 "$here/rsd_to_res.py" "$dump" "$work/$name.expected.res"
    definitions=()
    while read -r argument; do definitions+=("$argument"); done \
        < <(sed -n 's|^// *cpparg *||p' "$script" | tr ' ' '\n' | grep .)
    if ! (cd "$suite" && "$tavorin" "${definitions[@]}" -convert "$name.rc" "$work/$name.res") \
        > "$work/$name.log" 2>&1; then
        echo "$name: not opened: $(head -c 300 "$work/$name.log" | tr '\n' ' ')"
        continue
    fi
    if differences=$(python3 "$here/compare_res.py" "$work/$name.expected.res" "$work/$name.res"); then
        matched=$((matched + 1))
    else
        echo "$name: $(echo "$differences" | head -3 | tr '\n' ' ')"
    fi
done
echo "matched: $matched of $checked"
