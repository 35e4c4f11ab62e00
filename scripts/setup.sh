#!/usr/bin/env bash
# Installs what building, running and testing Tarvo needs on Debian 12.
set -euo pipefail

PAKKETTEN=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-qpa-plugins qt6-tools-dev libgl1-mesa-dev
  libgtest-dev libbenchmark-dev clang
  fonts-liberation2 poppler-utils xvfb xauth imagemagick
)

ontbrekend=()
for p in "${PAKKETTEN[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || ontbrekend+=("$p")
done
if [ ${#ontbrekend[@]} -eq 0 ]; then
  exit 0
fi

ALS_ROOT=()
if [ "$(id -u)" -ne 0 ]; then ALS_ROOT=(sudo); fi
echo "Installeren: ${ontbrekend[*]}"
"${ALS_ROOT[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${ALS_ROOT[@]}" apt-get install -y -qq --no-install-recommends "${ontbrekend[@]}"
