#!/bin/sh
# Renders the replay tool's HTML report in headless Chromium and checks that the browser built
# the results table from it. Usage: html_in_browser.sh KORVANE_REPLAY DATA_DIR
# Exit 77 (skipped) when chromium is not installed.
set -eu
replay=$1
data=$2
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "chromium is not installed: test skipped"
  exit 77
fi
work=$(mktemp -d /tmp/korvane-html-XXXXXX)
trap 'rm -rf "$work"' EXIT INT TERM
"$replay" --cty "$data/cty-excerpt.dat" --out "$work/out" --html "$work/report.html" \
  "$data/small.log" 2>"$work/replay.err"
"$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --dump-dom "file://$work/report.html" \
  >"$work/dom.html" 2>"$work/browser.err"

fail=0
expect() {
  if ! grep -qF -- "$1" "$work/dom.html"; then
    echo "the rendered page lacks: $1"
    fail=1
  fi
}
# The browser adds the tbody itself, so its presence shows the table was parsed as one.
expect '<table><tbody><tr><th> Band</th><th> QSOs</th><th> Points</th>'
expect '<tr><th> <center>20m</center></th><td><center>3</center></td><td><center>38</center></td>'
expect '<tr><th> <center>Total</center></th><td><center>8</center></td><td><center>108</center></td>'
expect '<td colspan="9"><center>108 * (8 + 2 + 1 + 1 + 0 ) = 1296</center></td>'
rows=$(grep -o '<tr>' "$work/dom.html" | wc -l)
# Head, five bands, total, dupe, bad QSO, score, last QSO, rate heading, two rates.
if [ "$rows" -ne 14 ]; then
  echo "the rendered table has $rows rows, want 14"
  fail=1
fi
if [ "$fail" -ne 0 ]; then
  cat "$work/dom.html"
  exit 1
fi
echo "chromium rendered the report table"
