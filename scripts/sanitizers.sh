#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer in a
# build folder of its own (build-san/, or $BUILD_DIR) and runs the whole suite
# there; the first report of either ends its test, which fails.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bouw="${BUILD_DIR:-$top/build-san}"
"$top/scripts/deps.sh" xdg-utils libfile-mimeinfo-perl libglib2.0-bin bindfs
"$top/scripts/deps.sh"
cmake -S "$top" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVALDIEK_TESTS=ON \
  -DMORVALDIEK_SANITIZERS=ON >/dev/null
cmake --build "$bouw" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Left out: the test that caps the address space to make an allocation fail;
# AddressSanitizer reserves far more address space than any cap leaves it.
ctest --test-dir "$bouw" --output-on-failure -j"$(nproc)" --timeout 300 \
  -E '^BestandTest\.AnAllocationFailureIsAFileError$'
echo "All tests passed under the sanitizers."
