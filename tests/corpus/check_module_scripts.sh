#!/bin/bash
# Writes PE modules as scripts and checks that every compiler reads the scripts back: each module
# is converted to a script (tavorin -convert MODULE x.rc), which windres and llvm-rc-14 must
# compile without a complaint about its strings, and which tavorin must read back to the same
# resources as the module gives directly (compare_res.py: .dll -> .rc -> .res against .dll -> .res).
# Texts holding double quotes are the point: written as "" they read the same everywhere.
#
# usage: tests/corpus/check_module_scripts.sh TAVORIN MODULE...
# Exit 0 when every module passed; 77 when a tool or the modules are missing.
set -u
tavorin=$(realpath "${1:?usage: check_module_scripts.sh TAVORIN MODULE...}")
shift
here=$(cd "$(dirname "$0")" && pwd)
windres=x86_64-w64-mingw32-windres
llvm_rc=llvm-rc-14
for tool in "$windres" "$llvm_rc" python3; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 77; }
done
include=/usr/share/mingw-w64/include
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

checked=0 failed=0
for module in "$@"; do
    [ -f "$module" ] || { echo "missing module: $module" >&2; exit 77; }
    name=$(basename "$module")
    out="$work/$name.d"
    mkdir -p "$out/script"
    cp "$module" "$out/$name"
    problem=""
    if ! "$tavorin" -convert "$out/$name" "$out/direct.res" > "$out/log" 2>&1; then
        problem="direct .res: $(head -c 300 "$out/log")"
    elif ! "$tavorin" -convert "$out/$name" "$out/script/module.rc" > "$out/log" 2>&1; then
        problem="script: $(head -c 300 "$out/log")"
    elif ! (cd "$out/script" && "$windres" -I "$include" -O res -o ../windres.res module.rc) > "$out/log" 2>&1 ||
         grep -q -e 'unterminated' -e 'to put " in a string' "$out/log"; then
        problem="windres: $(head -c 300 "$out/log")"
    elif ! (cd "$out/script" && "$llvm_rc" -C 65001 -I "$include" -fo ../llvm.res module.rc) > "$out/log" 2>&1; then
        problem="llvm-rc: $(head -c 300 "$out/log")"
    elif ! (cd "$out/script" && "$tavorin" -convert module.rc ../again.res) > "$out/log" 2>&1; then
        problem="read back: $(head -c 300 "$out/log")"
    elif ! python3 "$here/compare_res.py" "$out/direct.res" "$out/again.res" > "$out/log" 2>&1; then
        problem="different: $(head -c 300 "$out/log")"
    fi
    checked=$((checked + 1))
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        echo "FAILED $name: $(printf '%s' "$problem" | tr '\n' ' ')"
    fi
done
echo "modules: $checked, failed: $failed"
[ "$checked" -gt 0 ] && [ "$failed" -eq 0 ]
