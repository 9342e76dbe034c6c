#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR): everything, or with
# --programma only the program, without the tests, the benchmarks and their
# libraries.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bouw="${BUILD_DIR:-$top/build}"
if [ "${1:-}" = --programma ]; then
  "$top/scripts/deps.sh" --programma
  cmake -S "$top" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DMORVALDIEK_TESTS=OFF >/dev/null
  cmake --build "$bouw" -j"$(nproc)" --target morvaldiek
else
  "$top/scripts/deps.sh"
  cmake -S "$top" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DMORVALDIEK_TESTS=ON >/dev/null
  cmake --build "$bouw" -j"$(nproc)"
fi
