#!/usr/bin/env bash
# Times reading the resources of the Wine module with the largest resource section against
# llvm-readobj-14 --coff-resources on the same file, side by side with hyperfine. Both are whole
# processes: ours reads the module and decodes every resource into a project; llvm-readobj walks
# the directory and prints every resource with its bytes.
#
#   bench/compare_pe_reader.sh            (MODULE=file for another module)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=$root/build/release
readobj=llvm-readobj-14

for tool in hyperfine "$readobj" python3; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (run scripts/setup)" >&2; exit 1; }
done

"$root/scripts/build" release tavorin_bench tavorin_read_module >/dev/null
reader=$tree/bench/tavorin_read_module

module=${MODULE:-$("$reader" --largest)}
echo "module: $module, $(stat -c %s "$module") bytes"

# Both must accept the module before their times mean anything.
"$reader" "$module"
"$readobj" --coff-resources "$module" >/dev/null

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
hyperfine --warmup 3 --min-runs 15 --export-json "$out/times.json" \
  -n "tavorin (read into a project)" "$reader $module" \
  -n "llvm-readobj --coff-resources" "$readobj --coff-resources $module >/dev/null"

python3 - "$out/times.json" <<'PY'
import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print(f"{r['command']:<32} {r['mean'] * 1000:8.1f} ms +- {r['stddev'] * 1000:.1f} ms")
PY

echo
echo "In-process figures:"
"$tree/bench/tavorin_bench" --benchmark_filter=PeResources\|PeModule --benchmark_min_time=1
