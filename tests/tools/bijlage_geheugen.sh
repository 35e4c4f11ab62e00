#!/usr/bin/env bash
# The annex is written a line at a time: 10,000 lines (a worksheet 100 times,
# at 100 heights) within an address space of 48 MB, which the table held
# whole (some 90 MB for these lines) overflows.
#   bijlage_geheugen.sh TARVO-REKEN WERKMAP
set -euo pipefail
REKEN=$(realpath "$1")
MAP=$2
BRON=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$MAP" && mkdir -p "$MAP"
cd "$MAP"
cp "$BRON/data/voorbeeld.tvo" "$BRON/data/Wegdekken_2012.dat" .
mapfile -t bladen < <(yes voorbeeld.tvo | head -n 100)
hoogten=$(seq 101 200 | sed 's/..$/.&/' | paste -sd ';')
code=0
prlimit --as=48000000 "$REKEN" --bijlage "${bladen[@]}" --hoogten "$hoogten" --wegdekken Wegdekken_2012.dat \
  >bijlage.csv || code=$?
regels=$(wc -l <bijlage.csv)
if [ "$code" != 0 ] || [ "$regels" != 10002 ]; then
  echo "afsluitcode $code en $regels regels, verwacht 0 en twee kopregels met 10000 regels"
  exit 1
fi
