#!/usr/bin/env bash
# Times the preprocessing and scanning of a large generated script (macros, includes, comments,
# conditional sections) against the C preprocessor of mingw-w64 on the same files, side by side
# with hyperfine. Both commands are whole processes reading the files from disk.
#
#   bench/compare_preprocessor.sh            (DIALOGS=N for a bigger or smaller script)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=$root/build/release
gcc=x86_64-w64-mingw32-gcc

for tool in hyperfine "$gcc" python3; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (run scripts/setup)" >&2; exit 1; }
done

"$root/scripts/build" release tavorin_bench >/dev/null
bench=$tree/bench/tavorin_bench

input=$(mktemp -d)
trap 'rm -rf "$input"' EXIT
read -r script bytes < <("$bench" --write-input="$input" --dialogs="${DIALOGS:-1500}")
echo "input: $script and its headers, $bytes bytes"

# Both must accept the input before their times mean anything.
"$bench" --read="$script" >/dev/null
"$gcc" -E -x c "$script" -o /dev/null

hyperfine --warmup 3 --min-runs 15 --export-json "$input/times.json" \
  -n "tavorin (preprocess + scan)" "$bench --read=$script" \
  -n "gcc -E" "$gcc -E -x c $script -o /dev/null"

python3 - "$input/times.json" "$bytes" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
size = int(sys.argv[2]) / 1e6
for r in results:
    print(f"{r['command']:<30} {r['mean'] * 1000:8.1f} ms  {size / r['mean']:7.1f} MB/s")
PY

echo
echo "In-process figures (no process start, files already in the cache):"
"$bench" --benchmark_min_time=1
