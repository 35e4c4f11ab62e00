#!/usr/bin/env bash
# The batch over 100,000 generated rows must give the same bytes as the
# build that wrote verwacht/batch_100000.sha256 (the table itself is too
# large to keep). The catalogue comes from the generator as in vergelijk.sh.
#   groot.sh TARVO-REKEN WERKMAP [--schrijf] [extra batch options...]
set -euo pipefail
REKEN=$(realpath "$1")
MAP=$2
shift 2
SCHRIJF=0
if [ "${1:-}" = "--schrijf" ]; then SCHRIJF=1; shift; fi
HIER=$(cd "$(dirname "$0")" && pwd)
rm -rf "$MAP" && mkdir -p "$MAP"
GEREEDSCHAP=${TARVO_GEREEDSCHAP:-$(dirname "${TARVO_REKEN_JS:-$REKEN}")/../data}
python3 "$HIER/maak_golden.py" "$MAP" --gereedschap "$GEREEDSCHAP" --batchregels 100000 --zaad 100000
# Some rows are refused on purpose: every run ends with status 3. The same
# bytes are due on one thread, on several, and from standard input.
verwacht=$(cat "$HIER/verwacht/batch_100000.sha256")
for variant in "" "--threads 1" "--threads 4" "stdin --threads 3"; do
  read -r -a extra <<< "${variant#stdin}"
  code=0
  if [[ $variant == stdin* ]]; then
    "$REKEN" --batch - --wegdekken "$MAP/Wegdekken_2012.dat" --datum 2017-06-01 --decimaal , "${extra[@]}" "$@" \
      < "$MAP/batch.csv" > "$MAP/uit.txt" 2> "$MAP/fout.txt" || code=$?
  else
    "$REKEN" --batch "$MAP/batch.csv" --wegdekken "$MAP/Wegdekken_2012.dat" --datum 2017-06-01 --decimaal , \
      "${extra[@]}" "$@" > "$MAP/uit.txt" 2> "$MAP/fout.txt" || code=$?
  fi
  if [ $code != 3 ]; then
    echo "batch van 100.000 regels ($variant): afsluitcode $code in plaats van 3"
    cat "$MAP/fout.txt"
    exit 1
  fi
  som=$(sha256sum < "$MAP/uit.txt" | cut -d' ' -f1)
  if [ $SCHRIJF = 1 ]; then
    echo "$som" > "$HIER/verwacht/batch_100000.sha256"
    exit 0
  fi
  if [ "$som" != "$verwacht" ]; then
    echo "batch van 100.000 regels ($variant) wijkt af: $som in plaats van $verwacht"
    exit 1
  fi
done
