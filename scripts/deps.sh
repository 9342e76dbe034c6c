#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing: those the program needs
# and, unless the first argument is --programma, those of the tests and
# benchmarks; any further arguments are more packages.
set -euo pipefail

# shared-mime-info and desktop-file-utils bring the tools that turn the
# file-type registration into the desktop's databases, as a Debian desktop has.
pakketten=(g++ cmake ninja-build qt6-base-dev fonts-liberation2 xkb-data qt6-translations-l10n
           shared-mime-info desktop-file-utils)
if [ "${1:-}" = --programma ]; then
  shift
else
  pakketten+=(libgtest-dev libgmock-dev libbenchmark-dev)
fi
pakketten+=("$@")

ontbreekt=()
for p in "${pakketten[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    ontbreekt+=("$p")
  fi
done

if [ ${#ontbreekt[@]} -gt 0 ]; then
  echo "Installing: ${ontbreekt[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${ontbreekt[@]}"
fi
