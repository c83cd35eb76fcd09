#!/usr/bin/env bash
# Times tavorin -check over every module of Wine's 64-bit Windows folder (Debian's libwine) in
# one run, and prints the findings per check. Modules with extensions the program does not take
# as modules (.acm, .drv, .sys, ...) are checked through links named .dll.
# Usage: bench/check_wine_modules.sh [TAVORIN] [FOLDER]   (default: build/release/tavorin)
# FINDINGS=FILE keeps the findings in FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tavorin=$(realpath "${1:-$root/build/release/tavorin}")
folder=${2:-/usr/lib/x86_64-linux-gnu/wine/x86_64-windows}
[ -d "$folder" ] || { echo "no Wine modules in $folder" >&2; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=0
for module in "$folder"/*; do
  name=$(basename "$module")
  case "$name" in
    *.dll|*.exe|*.ocx) ln -s "$module" "$work/$name" ;;
    *) ln -s "$module" "$work/$name.dll" ;;
  esac
  count=$((count + 1))
done
cd "$work"
start=$(date +%s.%N)
set +e
"$tavorin" -check * > findings.txt 2> problems.txt
status=$?
set -e
end=$(date +%s.%N)
echo "modules: $count"
echo "seconds: $(echo "$end - $start" | bc)"
echo "exit code: $status; problems reported: $(wc -l < problems.txt)"
echo "findings: $(wc -l < findings.txt)"
grep -o ' TV[0-9]*:' findings.txt | sort | uniq -c | sed 's/://'
if [ -n "${FINDINGS:-}" ]; then cp findings.txt "$FINDINGS"; fi
