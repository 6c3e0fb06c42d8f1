#!/usr/bin/env bash
# Builds into the given folder and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
./tools/build.sh "$dir" "$@"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
