#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bouw="${BUILD_DIR:-$top/build}"
"$top/scripts/deps.sh"
cmake -S "$top" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$bouw" -j"$(nproc)"
