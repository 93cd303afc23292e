#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test; then
# runs them all again in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"

cmake -S . -B build-test -DKORVANE_WERROR=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKORVANE_WERROR=ON -DKORVANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
  -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
