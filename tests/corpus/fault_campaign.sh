#!/usr/bin/env bash
# Saves under faults: every target must end as exactly its old or exactly its new content, with no
# temporary file left behind, and every failed run must name a file in its message.
#
#   tests/corpus/fault_campaign.sh TAVORIN [ROUNDS]
#
# Each round converts the sample project to a script (with header and companion files), a .res
# and a module over an existing target, and either kills the run at a random moment, limits the
# file size, fills a small file system (when the tests may mount one), or runs two saves of
# different inputs into one target at once.
set -uo pipefail
tavorin=$(realpath "${1:?usage: fault_campaign.sh TAVORIN [ROUNDS]}")
rounds=${2:-50}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'umount "$work/small" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$root/examples/sample" "$work/input"
input="$work/input/sample.rc"
printf '1 RCDATA { 7 }\n' >"$work/other.rc"

runs=0 bad=0 silent=0
small=""
if mkdir -p "$work/small" && mount -t tmpfs -o size=96k tmpfs "$work/small" 2>/dev/null; then small="$work/small"; fi

check() {  # folder target old new-candidates...
  local folder=$1 target=$2 old=$3; shift 3
  local now
  now=$(sha256sum <"$target" | cut -d' ' -f1)
  local ok=0
  [ "$now" = "$old" ] && ok=1
  for candidate in "$@"; do [ "$now" = "$candidate" ] && ok=1; done
  if find "$folder" -name '*.tavorin-tmp' -o -name '*.tavorin-old' | grep -q .; then ok=0; fi
  runs=$((runs + 1))
  [ $ok -eq 1 ] || { bad=$((bad + 1)); echo "not old nor new, or left over: $target" >&2; }
}

for ext in rc res dll; do
  # The new content, made once without faults.
  mkdir -p "$work/ref-$ext"
  "$tavorin" -convert "$input" "$work/ref-$ext/out.$ext" >/dev/null 2>&1
  mkdir -p "$work/ref2-$ext"
  "$tavorin" -convert "$work/other.rc" "$work/ref2-$ext/out.$ext" >/dev/null 2>&1
done

for round in $(seq 1 "$rounds"); do
  for ext in rc res dll; do
    folder="$work/t-$round-$ext"
    mkdir -p "$folder"
    cp "$work/ref2-$ext/out.$ext" "$folder/out.$ext"
    old=$(sha256sum <"$folder/out.$ext" | cut -d' ' -f1)
    new=$(sha256sum <"$work/ref-$ext/out.$ext" | cut -d' ' -f1)
    case $((round % 4)) in
      0)  # killed at a random moment
        "$tavorin" -convert "$input" "$folder/out.$ext" >/dev/null 2>&1 &
        pid=$!
        sleep "0.0$((RANDOM % 9))$((RANDOM % 10))"
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        check "$folder" "$folder/out.$ext" "$old" "$new" ;;
      1)  # a file-size limit below the new file's size
        limit=$(( ($(stat -c %s "$work/ref-$ext/out.$ext") / 1024) / 2 + 1 ))
        message=$( (ulimit -f "$limit"; "$tavorin" -convert "$input" "$folder/out.$ext") 2>&1 >/dev/null)
        status=$?
        [ $status -ne 0 ] && ! grep -q "out\.\|/" <<<"$message" && silent=$((silent + 1))
        check "$folder" "$folder/out.$ext" "$old" "$new" ;;
      2)  # two saves into one target at once
        "$tavorin" -convert "$input" "$folder/out.$ext" >/dev/null 2>&1 &
        "$tavorin" -convert "$work/other.rc" "$folder/out.$ext" >/dev/null 2>&1
        wait
        check "$folder" "$folder/out.$ext" "$old" "$new" ;;
      3)  # a full file system
        if [ -n "$small" ]; then
          rm -rf "${small:?}"/*
          cp "$work/ref2-$ext/out.$ext" "$small/out.$ext"
          head -c 60000 /dev/zero >"$small/filler" 2>/dev/null
          message=$("$tavorin" -convert "$input" "$small/out.$ext" 2>&1 >/dev/null)
          status=$?
          [ $status -ne 0 ] && ! grep -q "out\.\|/" <<<"$message" && silent=$((silent + 1))
          check "$small" "$small/out.$ext" "$old" "$new"
        fi ;;
    esac
  done
done
echo "fault runs: $runs, targets neither old nor new or leftovers: $bad, failures without a file named: $silent"
[ "$bad" -eq 0 ] && [ "$silent" -eq 0 ]
