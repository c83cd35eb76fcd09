#!/bin/bash
# Compiles each script of a folder (tests/data/fidelity) with tavorin and with the resource
# compilers its first line names ("// oracles: windres llvm-rc") and compares the resources
# (compare_res.py: not the memory flags). Exit 0 when every comparison is equal.
#
# usage: tests/corpus/check_constructs.sh SCRIPT_DIR TAVORIN
set -u
scripts=$(realpath "${1:?usage: check_constructs.sh SCRIPT_DIR TAVORIN}")
tavorin=$(realpath "${2:?usage: check_constructs.sh SCRIPT_DIR TAVORIN}")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0 failed=0
for script in "$scripts"/*.rc; do
    name=$(basename "$script" .rc)
    oracles=$(sed -n '1s|^// *oracles: *||p' "$script")
    if ! (cd "$scripts" && "$tavorin" -convert "$name.rc" "$work/$name.res") > "$work/$name.log" 2>&1; then
        echo "FAILED $name: tavorin: $(tr '\n' ' ' < "$work/$name.log")"
        failed=$((failed + 1))
        continue
    fi
    for oracle in $oracles; do
        case "$oracle" in
            windres) (cd "$scripts" && x86_64-w64-mingw32-windres -J rc -O res -o "$work/$name.$oracle.res" "$name.rc") ;;
            llvm-rc) (cd "$scripts" && llvm-rc-14 /fo "$work/$name.$oracle.res" "$name.rc") ;;
            *) echo "unknown oracle $oracle" >&2; false ;;
        esac > "$work/$name.$oracle.log" 2>&1 || {
            echo "FAILED $name: $oracle: $(tr '\n' ' ' < "$work/$name.$oracle.log")"
            failed=$((failed + 1))
            continue
        }
        if differences=$(python3 "$here/compare_res.py" "$work/$name.$oracle.res" "$work/$name.res"); then
            passed=$((passed + 1))
        else
            echo "FAILED $name against $oracle: $(echo "$differences" | tr '\n' ' ')"
            failed=$((failed + 1))
        fi
    done
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
