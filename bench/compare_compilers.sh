#!/usr/bin/env bash
# Times whole conversions to .res with the optimized build against the other resource compilers,
# side by side with hyperfine in one run, and prints the ratios (of mean and of median wall time,
# and of the processor time of the process and its children, which a busy machine disturbs less)
# and each tool's peak memory:
#   - generated scripts, numbers only (1x, 10x), against llvm-rc-14 and windres;
#   - the same shape with `#include <windows.h>` from the mingw-w64 headers and a project header;
#   - a second shape: many small includes, deep macro chains, long string tables;
#   - Wine's shell32.dll (or MODULE=file) against windres, which copies the resources raw;
# then checks that the conversion scales linearly: 10x the input may take at most 12x the time
# (1x -> 10x -> 50x of the numbers-only script, 1x -> 10x of the second shape, a module of 2,001
# and one of 20,001 small resources to .res). Exits non-zero
# when a tool rejects an input or the scaling check fails.
#
#   bench/compare_compilers.sh        (UNITS=N for the size of the 1x input, RUNS=N for hyperfine)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
units=${UNITS:-260}
runs=${RUNS:-5}
headers=/usr/share/mingw-w64/include
llvm_rc=llvm-rc-14
windres=x86_64-w64-mingw32-windres

for tool in hyperfine "$llvm_rc" "$windres" python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (run scripts/setup)" >&2; exit 1; }
done
[ -f "$headers/windows.h" ] || { echo "missing: $headers/windows.h (run scripts/setup)" >&2; exit 1; }

"$root/scripts/build" release tavorin tavorin_bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program reads its settings beside itself: a copy gets one that names the SDK headers.
mkdir "$work/bin"
cp "$root/build/release/tavorin" "$work/bin/tavorin"
printf '<?xml version="1.0" encoding="UTF-8"?>\n<config>\n  <includes>\n    <include path="%s"/>\n  </includes>\n</config>\n' \
  "$headers" > "$work/bin/Tavorin.xml"
tavorin=$work/bin/tavorin

# generate NAME UNITS SHAPE: writes an input and prints its script's path.
generate() {
  local line
  line=$("$root/build/release/bench/tavorin_bench" --write-input="$work/$1" --units="$2" --shape="$3")
  echo "${line% *}"
}

# input_size FOLDER: megabytes of every file written for the input.
input_size() { du -sb "$1" | awk '{printf "%.2f", $1 / 1e6}'; }

# peak LABEL COMMAND...: runs once and prints the peak resident memory; fails with the tool.
peak() {
  local label=$1
  shift
  if ! /usr/bin/time -o "$work/peak" -f '%M' "$@" >/dev/null 2>"$work/stderr"; then
    echo "    $label failed:" >&2
    tail -5 "$work/stderr" >&2
    return 1
  fi
  awk -v label="$label" '{printf "    %-28s peak %7.1f MB\n", label, $1 / 1024}' "$work/peak"
}

# compare NAME ARGS...: hyperfine over the named commands (pairs of label and command), then
# the times relative to tavorin's.
compare() {
  local name=$1
  shift
  local args=()
  while [ $# -gt 0 ]; do
    args+=(-n "$1" "$2")
    shift 2
  done
  hyperfine --warmup 1 --runs "$runs" --style none --export-json "$work/$name.json" "${args[@]}" >/dev/null
  python3 - "$work/$name.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
ours = results[0]["mean"]
ours_median = results[0]["median"]
ours_cpu = results[0]["user"] + results[0]["system"]
for r in results:
    cpu = r["user"] + r["system"]
    print(f"    {r['command']:<28} {r['mean'] * 1000:9.1f} ms +- {r['stddev'] * 1000:6.1f}  {r['mean'] / ours:6.2f}x tavorin's time;"
          f" median {r['median'] * 1000:9.1f} ms {r['median'] / ours_median:6.2f}x; cpu {cpu * 1000:8.1f} ms {cpu / ours_cpu:6.2f}x")
PY
}

failed=0
# script_case NAME SCRIPT: every tool converts the script to .res.
script_case() {
  local name=$1 script=$2
  local folder
  folder=$(dirname "$script")
  echo "$name: $(input_size "$folder") MB"
  peak tavorin "$tavorin" -convert "$script" "$work/$name.tavorin.res" || failed=1
  peak "$llvm_rc" "$llvm_rc" /I "$headers" /fo "$work/$name.llvm.res" "$script" || failed=1
  peak windres "$windres" -I "$headers" -O res "$script" "$work/$name.windres.res" || failed=1
  compare "$name" \
    tavorin "$tavorin -convert $script $work/$name.tavorin.res" \
    "$llvm_rc" "$llvm_rc /I $headers /fo $work/$name.llvm.res $script 2>/dev/null" \
    windres "$windres -I $headers -O res $script $work/$name.windres.res"
}

numbers_1=$(generate numbers-1x "$units" numbers)
numbers_10=$(generate numbers-10x $((units * 10)) numbers)
numbers_50=$(generate numbers-50x $((units * 50)) numbers)
windows_1=$(generate windows-1x "$units" windows)
windows_10=$(generate windows-10x $((units * 10)) windows)
nested_1=$(generate nested-1x "$units" nested)
nested_10=$(generate nested-10x $((units * 10)) nested)
# Modules of 2,001 and 20,001 small resources (three per unit), compiled by tavorin itself.
many_1=$(generate many-1x 667 many)
many_10=$(generate many-10x 6667 many)
"$tavorin" -convert "$many_1" "$work/many-1x.dll" && "$tavorin" -convert "$many_10" "$work/many-10x.dll" || failed=1

script_case numbers-1x "$numbers_1"
script_case numbers-10x "$numbers_10"
script_case windows-1x "$windows_1"
script_case windows-10x "$windows_10"
script_case nested-1x "$nested_1"
script_case nested-10x "$nested_10"

module=${MODULE:-$(dpkg -L libwine 2>/dev/null | grep -m1 '/shell32\.dll$' || true)}
if [ -n "$module" ] && [ -f "$module" ]; then
  echo "module $module: $(input_size "$module") MB"
  peak tavorin "$tavorin" -convert "$module" "$work/module.tavorin.res" || failed=1
  peak windres "$windres" -O res "$module" "$work/module.windres.res" || failed=1
  compare module \
    tavorin "$tavorin -convert $module $work/module.tavorin.res" \
    windres "$windres -O res $module $work/module.windres.res"
else
  echo "no module to convert: install libwine (scripts/setup) or set MODULE" >&2
  failed=1
fi

echo "scaling of tavorin -convert (10x the input may take at most 12x the time):"
hyperfine --warmup 1 --runs "$runs" --style none --export-json "$work/scaling.json" \
  -n numbers-1x "$tavorin -convert $numbers_1 $work/s1.res" \
  -n numbers-10x "$tavorin -convert $numbers_10 $work/s10.res" \
  -n numbers-50x "$tavorin -convert $numbers_50 $work/s50.res" \
  -n nested-1x "$tavorin -convert $nested_1 $work/n1.res" \
  -n nested-10x "$tavorin -convert $nested_10 $work/n10.res" \
  -n module-2001 "$tavorin -convert $work/many-1x.dll $work/m1.res" \
  -n module-20001 "$tavorin -convert $work/many-10x.dll $work/m10.res" >/dev/null
python3 - "$work/scaling.json" <<'PY' || failed=1
import json, math, sys
results = json.load(open(sys.argv[1]))["results"]
# Processor time decides: other work on the machine stretches wall times unevenly.
cpu = {r["command"]: r["user"] + r["system"] for r in results}
wall = {r["command"]: r["mean"] for r in results}
ok = True
# Each step of 10x may cost 12x, so 50x may cost 12 ** log10(50) = 68x the 1x time; the step from
# 10x to 50x is shown but not judged on its own.
for small, large, factor, judged in [("numbers-1x", "numbers-10x", 10, True), ("numbers-10x", "numbers-50x", 5, False),
                                     ("numbers-1x", "numbers-50x", 50, True), ("nested-1x", "nested-10x", 10, True),
                                     ("module-2001", "module-20001", 10, True)]:
    ratio = cpu[large] / cpu[small]
    allowed = 12 ** math.log10(factor)
    verdict = ("ok" if ratio <= allowed else "TOO SLOW") if judged else "(not judged)"
    ok = ok and (ratio <= allowed or not judged)
    print(f"    {small:>12} -> {large:<12} cpu {cpu[small] * 1000:8.1f} ms -> {cpu[large] * 1000:8.1f} ms: "
          f"{ratio:5.2f}x for {factor}x the input (at most {allowed:.1f}x) {verdict}; "
          f"wall {wall[large] / wall[small]:5.2f}x")
sys.exit(0 if ok else 1)
PY
exit $failed
