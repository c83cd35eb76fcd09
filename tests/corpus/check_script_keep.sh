#!/usr/bin/env bash
# Every .rc below CORPUS_DIR that tavorin opens is saved again with no edit (as another script
# in the same folder, which is what Save As does) and must come back byte for byte, with every
# other file of its project (headers, included scripts) untouched. A project is a folder directly
# below CORPUS_DIR; it is copied first, so the corpus itself is never written. Extra arguments
# for tavorin (-I, -D) can be given in the environment as TAVORIN_ARGS.
#
# CORPUS_DIR/ARGS.txt, when present, gives each script the arguments its own build passes: one
# line per script, its path relative to CORPUS_DIR, a TAB, then the arguments, quoted as in a
# shell (-D NAME=\"text\" or -D 'NAME="two words"'). Folders in it are relative to the script's
# folder or absolute.
# CORPUS_DIR/_stubs holds stand-ins for generated headers; it is no project and is not checked.
# A script that opens but does not come back is kept under REPORT_DIR/differs/ beside its save.
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
rm -rf "$report/differs"
arguments_file="$corpus/ARGS.txt"

# Prints the ARGS.txt arguments of script RELATIVE, one per line ending in NUL.
script_arguments() {
  [ -f "$arguments_file" ] || return 0
  local line
  line=$(awk -F'\t' -v script="$1" '$1 == script { sub(/^[^\t]*\t/, ""); print; exit }' "$arguments_file")
  [ -n "${line//[[:space:]]/}" ] || return 0
  printf '%s' "$line" | xargs printf '%s\0'
}
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
  own_args=()
  mapfile -d '' own_args < <(script_arguments "$relative")
  # shellcheck disable=SC2086
  if ! (cd "$folder" && timeout 120 "$tavorin" ${TAVORIN_ARGS:-} "${own_args[@]}" -convert "$name" "kept-$name" >"$copy.log" 2>&1); then
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
    mkdir -p "$report/differs/$relative"
    cp "$folder/$name" "$folder/kept-$name" "$report/differs/$relative/"
    (cd "$copy" && find . -type f ! -name "kept-$name" -print0 | sort -z | xargs -0 sha256sum) \
      | diff <(echo "$before") - >"$report/differs/$relative/changed-files.txt"
  fi
  rm -rf "$copy"
done < <(find "$corpus" -path "$corpus/_stubs" -prune -o -type f -iname '*.rc' -print0 | sort -z)

echo "scripts: $total, opened: $opened, kept byte for byte: $kept (report: $report)"
[ "$opened" -eq "$kept" ]
