#!/usr/bin/env bash
# End-to-end comparison of tarvo-reken with texts written by an earlier,
# independently checked build: reports, diagrams and batch tables of
# generated worksheets, byte for byte. The worksheets and the catalogue are
# written by the generators beside the program (data/, or their .js for the
# WebAssembly build), or those in TARVO_GEREEDSCHAP. With --groot: the batch
# of 100,000 rows only, against verwacht/batch_100000.sha256 (the table
# itself is too large to keep).
#   vergelijk.sh TARVO-REKEN WERKMAP [--groot]            compare
#   vergelijk.sh TARVO-REKEN WERKMAP [--groot] --schrijf  write the expected texts anew
set -euo pipefail
REKEN=$(realpath "$1")
MAP=$2
GROOT=0
if [ "${3:-}" = "--groot" ]; then GROOT=1; shift; fi
HIER=$(cd "$(dirname "$0")" && pwd)
VERWACHT=$HIER/verwacht
GEREEDSCHAP=${TARVO_GEREEDSCHAP:-$(dirname "${TARVO_REKEN_JS:-$REKEN}")/../data}
rm -rf "$MAP" && mkdir -p "$MAP/uit"
if [ $GROOT = 1 ]; then
  python3 "$HIER/maak_golden.py" "$MAP/in" --gereedschap "$GEREEDSCHAP" --batchregels 100000 --zaad 100000
else
  python3 "$HIER/maak_golden.py" "$MAP/in" --gereedschap "$GEREEDSCHAP" --batchregels 2000 --werkbladen 60
fi
cd "$MAP/in"

if [ $GROOT = 0 ]; then
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
fi
# The table holds refused rows on purpose: every run ends with status 3. Its
# blocks give the same bytes on one thread, on several and from standard input.
fout=0
for variant in "" "--threads 1" "--threads 4" "- --threads 3"; do
  read -r -a extra <<< "$variant"
  invoer=batch.csv
  if [ "${extra[0]:-}" = - ]; then invoer=-; extra=("${extra[@]:1}"); fi
  code=0
  "$REKEN" --batch "$invoer" --wegdekken Wegdekken_2012.dat --datum 2017-06-01 --decimaal , "${extra[@]}" \
    < batch.csv > "$MAP/batch.uit" 2> "$MAP/batch.fout" || code=$?
  if [ $code != 3 ]; then
    echo "batch ($variant): afsluitcode $code in plaats van 3"
    cat "$MAP/batch.fout"
    fout=1
  fi
  if [ -z "$variant" ]; then
    cp "$MAP/batch.uit" "$MAP/uit/batch_komma.txt"
  elif ! cmp -s "$MAP/batch.uit" "$MAP/uit/batch_komma.txt"; then
    echo "batch ($variant) wijkt af van de batch zonder opties"
    fout=1
  fi
done

if [ $GROOT = 1 ]; then
  som=$(sha256sum < "$MAP/uit/batch_komma.txt" | cut -d' ' -f1)
  if [ "${3:-}" = "--schrijf" ]; then
    echo "$som" > "$VERWACHT/batch_100000.sha256"
  elif [ "$som" != "$(cat "$VERWACHT/batch_100000.sha256")" ]; then
    echo "batch van 100.000 regels wijkt af: $som in plaats van $(cat "$VERWACHT/batch_100000.sha256")"
    fout=1
  fi
  exit $fout
fi
if [ "${3:-}" = "--schrijf" ]; then
  mkdir -p "$VERWACHT"
  cp "$MAP"/uit/*.txt "$VERWACHT/"
  exit $fout
fi
# Every file is compared, also after a first that differs.
for f in "$VERWACHT"/*.txt; do
  if ! cmp -s "$f" "$MAP/uit/$(basename "$f")"; then
    echo "verschil in $(basename "$f"):"
    diff "$f" "$MAP/uit/$(basename "$f")" | head -20 || true
    fout=1
  fi
done
exit $fout
