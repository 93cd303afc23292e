#!/usr/bin/env bash
# Builds the plug-in and the replay tool, then replays the bundled sample session.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --build-only
cmake -S . -B build-sample -DKORVANE_TESTS=OFF -DKORVANE_BENCH=OFF >/dev/null
cmake --build build-sample -j"$(nproc)" --target korvane-replay Stats >/dev/null
exec build-sample/bin/korvane-replay "$@"
