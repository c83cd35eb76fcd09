#!/usr/bin/env bash
# Every .rc below CORPUS_DIR that tavorin opens is saved again with no edit (as another script
# in the same folder, which is what Save As does) and must come back byte for byte, with every
# other file of its project (headers, included scripts) untouched. A project is a folder directly
# below CORPUS_DIR; it is copied first, so the corpus itself is never written. Extra arguments
# for tavorin (-I, -D) can be given in the environment as TAVORIN_ARGS.
#
#   tests/corpus/check_script_keep.sh CORPUS_DIR [TAVORIN] [REPORT_DIR]
set -uo pipefail
corpus=${1:?usage: check_script_keep.sh CORPUS_DIR [TAVORIN] [REPORT_DIR]}
tavorin=$(realpath "${2:-build/release/tavorin}")
report=${3:-$(mktemp -d)}
mkdir -p "$report"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

total=0 opened=0 kept=0
: >"$report/differs.txt"
: >"$report/failed.txt"
while IFS= read -r -d '' script; do
  total=$((total + 1))
  relative=${script#"$corpus"/}
  project=${relative%%/*}
  inside=${relative#*/}
  [ "$project" = "$relative" ] && { project=.; inside=$relative; }
  copy="$work/$total"
  mkdir -p "$copy"
  cp -r "$corpus/$project/." "$copy/"
  folder="$copy/$(dirname "$inside")"
  name=$(basename "$script")
  before=$(cd "$copy" && find . -type f -print0 | sort -z | xargs -0 sha256sum)
  # shellcheck disable=SC2086
  if ! (cd "$folder" && timeout 120 "$tavorin" ${TAVORIN_ARGS:-} -convert "$name" "kept-$name" >"$copy.log" 2>&1); then
    echo "$script: $(head -n 1 "$copy.log")" >>"$report/failed.txt"
    rm -rf "$copy"
    continue
  fi
  opened=$((opened + 1))
  after=$(cd "$copy" && find . -type f ! -name "kept-$name" -print0 | sort -z | xargs -0 sha256sum)
  if cmp -s "$folder/$name" "$folder/kept-$name" && [ "$before" = "$after" ]; then
    kept=$((kept + 1))
  else
    echo "$script" >>"$report/differs.txt"
  fi
  rm -rf "$copy"
done < <(find "$corpus" -type f -iname '*.rc' -print0 | sort -z)

echo "scripts: $total, opened: $opened, kept byte for byte: $kept (report: $report)"
[ "$opened" -eq "$kept" ]
