#!/usr/bin/env bash
# Builds the plug-in and the replay tool, then scores the bundled contest log (or whatever the
# arguments name, as korvane-replay takes them) and prints the report.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --build-only
cmake -S "$root" -B "$root/build-sample" -DKORVANE_TESTS=OFF -DKORVANE_BENCH=OFF >/dev/null
cmake --build "$root/build-sample" -j"$(nproc)" --target korvane-replay Stats >/dev/null
[ $# -eq 0 ] && set -- "$root/examples/korvane-dl2krv.log"
exec "$root/build-sample/bin/korvane-replay" "$@"
