#!/usr/bin/env bash
# End-to-end comparison of tarvo-reken with texts written by an earlier,
# independently checked build: reports, diagrams and batch tables of
# generated worksheets, byte for byte.
#   vergelijk.sh TARVO-REKEN WERKMAP            compare
#   vergelijk.sh TARVO-REKEN WERKMAP --schrijf  write the expected texts anew
set -euo pipefail
REKEN=$(realpath "$1")
MAP=$2
HIER=$(cd "$(dirname "$0")" && pwd)
VERWACHT=$HIER/verwacht
rm -rf "$MAP" && mkdir -p "$MAP/uit"
python3 "$HIER/maak_golden.py" "$MAP/in" --batchregels 2000 --werkbladen 60
cd "$MAP/in"

# Every option set: a date before and after 1 July 2018, both separators.
{
  for f in blad0*.tvo; do
    n=${f//[!0-9]/}
    if (( 10#$n % 2 )); then opties=(--datum 2017-06-01 --decimaal ,); else opties=(--datum 2020-01-01 --decimaal .); fi
    echo "== $f ${opties[*]}"
    code=0
    "$REKEN" "$f" --wegdekken Wegdekken_2012.dat "${opties[@]}" 2>&1 || code=$?
    echo "== afsluitcode $code"
  done
} > "$MAP/uit/rapporten.txt"
{
  for f in blad001.tvo blad004.tvo blad007.tvo blad010.tvo blad013.tvo; do
    echo "== $f"
    code=0
    "$REKEN" "$f" --diagram 100 --wegdekken Wegdekken_2012.dat --decimaal , 2>&1 || code=$?
    echo "== afsluitcode $code"
  done
} > "$MAP/uit/diagrammen.txt"
# The tables hold refused rows on purpose: the run ends with status 3.
for naam in komma punt; do
  if [ $naam = komma ]; then opties=(--datum 2017-06-01 --decimaal ,); else opties=(--datum 2020-01-01 --decimaal .); fi
  code=0
  "$REKEN" --batch batch.csv --wegdekken Wegdekken_2012.dat "${opties[@]}" > "$MAP/uit/batch_$naam.txt" \
    2> "$MAP/batch_$naam.fout" || code=$?
  if [ $code != 3 ]; then
    echo "batch $naam: afsluitcode $code in plaats van 3"
    cat "$MAP/batch_$naam.fout"
    exit 1
  fi
done

if [ "${3:-}" = "--schrijf" ]; then
  mkdir -p "$VERWACHT"
  cp "$MAP"/uit/*.txt "$VERWACHT/"
  exit 0
fi
fout=0
for f in "$VERWACHT"/*.txt; do
  if ! cmp -s "$f" "$MAP/uit/$(basename "$f")"; then
    echo "verschil in $(basename "$f"):"
    diff "$f" "$MAP/uit/$(basename "$f")" | head -20
    fout=1
  fi
done
exit $fout
