#!/usr/bin/env bash
# tarvo-reken over the WebAssembly core (scripts/tarvo-reken-web) against
# the native program's committed texts, byte for byte: the generated
# worksheets, diagrams and batches of tests/golden (the large one too), and
# the distance and cumulation transcript of tests/app/verwacht.
#   golden.sh WEBBOUW WERKMAP     WEBBOUW: the build folder of scripts/web.sh
set -euo pipefail
BOUW=$(realpath "$1")
MAP=$(realpath -m "$2")
HIER=$(cd "$(dirname "$0")" && pwd)
BRON=$(cd "$HIER/../.." && pwd)
REKEN=$BRON/scripts/tarvo-reken-web
export TARVO_REKEN_JS=$BOUW/app/tarvo-reken.js
rm -rf "$MAP" && mkdir -p "$MAP"

fout=0
bash "$BRON/tests/golden/vergelijk.sh" "$REKEN" "$MAP/golden" || fout=1
# 100,000 rows on one thread, on several and from standard input.
bash "$BRON/tests/golden/vergelijk.sh" "$REKEN" "$MAP/groot" --groot || fout=1

# The native transcript's commands, run again: wrong usage shows only its
# first line, once the usage text was seen below it.
node "$HIER/maak_werkbladen.mjs" "$BOUW" "$MAP/afstand"
cd "$MAP/afstand"
mapfile -t opdrachten < <(sed -n 's/^\$ tarvo-reken //p' "$BRON/tests/app/verwacht/afstand_cumulatie.txt")
for opdracht in "${opdrachten[@]}"; do
  read -r -a woorden <<<"$opdracht"
  code=0
  "$REKEN" "${woorden[@]}" >uit.txt 2>fout.txt || code=$?
  printf '$ tarvo-reken %s\n[afsluitcode %d]\n' "$opdracht" "$code"
  cat uit.txt
  echo "[standaardfout]"
  if [ "$code" = 2 ]; then
    if [ "$(sed -n 2p fout.txt | cut -c1-8)" != "Gebruik:" ]; then
      echo "!! geen gebruikstekst onder de melding van: $opdracht" >&2
      fout=1
    fi
    head -n 1 fout.txt
  else
    cat fout.txt
  fi
done >transcript.txt
if ! cmp -s transcript.txt "$BRON/tests/app/verwacht/afstand_cumulatie.txt"; then
  echo "verschil in afstand_cumulatie.txt:"
  diff "$BRON/tests/app/verwacht/afstand_cumulatie.txt" transcript.txt | head -20
  fout=1
fi

# Saving under Node (as root, as in CI): a link judged by the file at its
# end, a link planted in a shared folder refused, a name of 255 bytes and a
# folder the user may write but not read saved, and what Node cannot do (a
# folder lock, extended attributes) said on standard error.
mkdir -p "$MAP/opslaan" && cd "$MAP/opslaan"
cp "$BOUW/data/Wegdekken_2012.dat" "$BOUW/data/voorbeeld.tvo" .
ln -s voorbeeld.tvo tabel.csv
echo geheim >geheim.txt
mkdir -m 1777 gedeeld && mkdir -m 0333 alleen_schrijven
NIEMAND=(setpriv --reuid=65534 --regid=65534 --clear-groups)
"${NIEMAND[@]}" ln -s ../geheim.txt gedeeld/export.csv
lang=$(printf 'n%.0s' {1..251}).csv
opslaan() {
  code=0
  "$@" >uit.txt 2>fout.txt || code=$?
  printf '$ %s\n[afsluitcode %d]\n' "${*/#$REKEN/tarvo-reken}" "$code"
  cat uit.txt
  echo "[standaardfout]"
  head -n 1 fout.txt
}
{
  opslaan "$REKEN" --wegdekken-export tabel.csv --wegdekken Wegdekken_2012.dat
  opslaan "$REKEN" --wegdekken-export gedeeld/export.csv --wegdekken Wegdekken_2012.dat
  opslaan "$REKEN" --wegdekken-export t.csv --wegdekken Wegdekken_2012.dat
  python3 -c 'import os; os.setxattr("t.csv", "user.tarvo", b"ja")'
  opslaan "$REKEN" --wegdekken-export t.csv --wegdekken Wegdekken_2012.dat
  tail -n +2 fout.txt
  opslaan "$REKEN" --wegdekken-export "$lang" --wegdekken Wegdekken_2012.dat
  opslaan "${NIEMAND[@]}" "$REKEN" --wegdekken-export alleen_schrijven/t.csv --wegdekken Wegdekken_2012.dat
  tail -n +2 fout.txt
  echo "[bestanden]"
  cat geheim.txt
  find . -type f ! -name '*.txt' | sort
} >transcript.txt
if ! cmp -s transcript.txt "$HIER/verwacht/opslaan.txt"; then
  echo "verschil in opslaan.txt:"
  diff "$HIER/verwacht/opslaan.txt" transcript.txt | head -20
  fout=1
fi
exit $fout
