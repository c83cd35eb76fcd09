#!/usr/bin/env bash
# tavorin -check from the command line: compiler-style lines with file and line, exit codes by
# severity and --werror, --disable, JSON lines, SARIF validated against the published 2.1.0
# schema, records for compiled input, usage errors.
# Usage: cli_check_test.sh TAVORIN SCHEMA
set -uo pipefail
tavorin=$1
schema=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

cat > app.rc <<'RC'
LANGUAGE 9, 1
1 DIALOGEX 0, 0, 200, 100
FONT 8, "MS Shell Dlg"
BEGIN
    PUSHBUTTON "&Save", 10, 10, 10, 50, 14
    PUSHBUTTON "&Search", 11, 70, 10, 50, 14
END
2 ACCELERATORS
BEGIN
    "S", 10, VIRTKEY, CONTROL
    "S", 11, VIRTKEY, CONTROL
END
RC

"$tavorin" -check app.rc > out.txt 2> err.txt
status=$?
[ $status -eq 1 ] || fail "an error finding exits with 1, not $status"
grep -q '^app.rc(6): warning TV1003: the mnemonic Alt+S is used by 2 controls' out.txt || fail "no TV1003 line: $(cat out.txt)"
grep -q '^app.rc(11): error TV3101: ' out.txt || fail "no TV3101 line: $(cat out.txt)"

"$tavorin" -check --disable TV3101 app.rc > out.txt || fail "warnings alone exit with 0"
grep -q TV3101 out.txt && fail "a disabled check reported"
"$tavorin" -check --werror --disable=TV3101 app.rc > out.txt && fail "--werror makes warnings fail"
"$tavorin" -check --enable TV3101 app.rc > out.txt
grep -q TV1003 out.txt && fail "--enable runs only the checks it names"

"$tavorin" -check --format json app.rc > out.json
[ "$(wc -l < out.json)" -eq 2 ] || fail "one JSON object per finding: $(cat out.json)"
python3 - out.json <<'PY' || fail "the JSON lines do not parse"
import json, sys
for line in open(sys.argv[1]):
    finding = json.loads(line)
    assert finding["file"] == "app.rc" and finding["line"] in (6, 11), finding
    assert finding["resource"]["type"] in ("DIALOG", "ACCELERATORS"), finding
PY

"$tavorin" -check --format sarif app.rc > out.sarif
if /usr/bin/python3 -c 'import jsonschema' 2>/dev/null; then
  /usr/bin/python3 - "$schema" out.sarif <<'PY' || fail "the SARIF log does not follow the schema"
import json, sys, jsonschema
schema = json.load(open(sys.argv[1]))
log = json.load(open(sys.argv[2]))
jsonschema.Draft4Validator(schema).validate(log)
results = log["runs"][0]["results"]
assert len(results) == 2, results
assert {r["ruleId"] for r in results} == {"TV1003", "TV3101"}
assert results[0]["locations"][0]["physicalLocation"]["region"]["startLine"] == 6
PY
else
  echo "python3-jsonschema is missing: the SARIF log was not validated" >&2
  exit 77
fi

# Compiled input: the resource and its record instead of a line.
"$tavorin" -convert app.rc app.res 2> err.txt || fail "converting: $(cat err.txt)"
"$tavorin" -check app.res > out.txt
grep -q '^app.res: warning TV1003: DIALOG 1 \[0x0409\] (record [0-9]*): the mnemonic' out.txt ||
  fail "compiled input: $(cat out.txt)"

"$tavorin" -check --dpi 99x app.rc > out.txt 2> err.txt
[ $? -eq 2 ] || fail "a bad --dpi is a usage error"
"$tavorin" -check --help > out.txt || fail "--help"
for id in TV1001 TV2001 TV3101 TV4009 TV5002 TV6001; do grep -q "$id" out.txt || fail "--help lacks $id"; done
echo "cli_check: all passed"
