#!/usr/bin/env bash
# The dialog designer's timings from the optimized Windows build, under Wine inside Xvfb:
# opening a dialog of 500 controls and dragging 100 of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build" windows tavorin_designer_bench >/dev/null
. "$root/scripts/wine-env"
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$root/build/windows/bench/tavorin_designer_bench.exe"
