#!/usr/bin/env bash
# Installs what is missing, builds and starts the program, optionally with a grade file.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bouw="${BUILD_DIR:-$top/build}"
BUILD_DIR="$bouw" "$top/scripts/build.sh" --programma >/dev/null

exec "$bouw/app/morvaldiek" "$@"
