#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each one for
# a bounded time, seeded from the shipped data. Exits non-zero when a fuzzer
# finds a crash, a leak or a sanitizer report.
#   scripts/fuzz.sh            20 seconds per fuzzer
#   FUZZ_SECONDEN=300 scripts/fuzz.sh
#   scripts/fuzz.sh rekenen batch       only these
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD=build-fuzz
SECONDEN=${FUZZ_SECONDEN:-20}
NAMEN=("$@")
[ ${#NAMEN[@]} -gt 0 ] || NAMEN=(catalogus werkblad rekenen batch wegdektabel veldgetal onderzoek)

CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DTARVO_FUZZ=ON -DTARVO_GUI=OFF -DTARVO_BENCH=OFF
doelen=()
for naam in "${NAMEN[@]}"; do doelen+=("fuzz_$naam"); done
cmake --build "$BUILD" -j2 --target "${doelen[@]}" maak_catalogus maak_voorbeeld

# Seeds: the generated catalogue and sample worksheet, damaged variants of
# both so that the refusing paths are reached from the start, generated
# worksheets and batch rows with a catalogue whose coefficients all differ;
# for the calculation each worksheet followed by its catalogue.
SEEDS="$BUILD/fuzz-seeds"
rm -rf "$SEEDS"
mkdir -p "$SEEDS/catalogus" "$SEEDS/werkblad" "$SEEDS/rekenen" "$SEEDS/batch" "$SEEDS/golden" "$SEEDS/wegdektabel" "$SEEDS/veldgetal" "$SEEDS/onderzoek"
"$BUILD/data/maak_catalogus" data/wegdekken.tsv "$SEEDS/catalogus/wegdekken.dat"
"$BUILD/data/maak_voorbeeld" data/voorbeeld.txt "$SEEDS/werkblad/voorbeeld.tvo"
head -c 100 "$SEEDS/catalogus/wegdekken.dat" > "$SEEDS/catalogus/te-kort.dat"
{ printf '\000\000'; tail -c 80 "$SEEDS/catalogus/wegdekken.dat"; } > "$SEEDS/catalogus/leeg.dat"
head -c 643 "$SEEDS/werkblad/voorbeeld.tvo" > "$SEEDS/werkblad/te-kort.tvo"
head -c 632 "$SEEDS/werkblad/voorbeeld.tvo" > "$SEEDS/werkblad/oud.tvo"
python3 tests/golden/maak_golden.py "$SEEDS/golden" --gereedschap "$BUILD/data" --batchregels 40 --werkbladen 8 --zaad 7
cp "$SEEDS/golden/Wegdekken_2012.dat" "$SEEDS/catalogus/gevarieerd.dat"
cat "$SEEDS/werkblad/voorbeeld.tvo" "$SEEDS/catalogus/wegdekken.dat" > "$SEEDS/rekenen/voorbeeld"
# The same with DL_lv = 9999: legal, but the level comes out infinite.
python3 -c 'import struct, sys; b = bytearray(open(sys.argv[1], "rb").read()); struct.pack_into("<d", b, 644 + 32, 9999.0); sys.stdout.buffer.write(b)' \
  "$SEEDS/rekenen/voorbeeld" > "$SEEDS/rekenen/oneindig"
for blad in "$SEEDS"/golden/blad*.tvo; do
  cat "$blad" "$SEEDS/golden/Wegdekken_2012.dat" > "$SEEDS/rekenen/$(basename "$blad" .tvo)"
done
head -n 6 "$SEEDS/golden/batch.csv" > "$SEEDS/batch/kort.csv"
printf 'waarneempunt;weg;Qlv_dag;Vlv;hw;d;wegdek;zone\r\n"A; hoek";W;1000;80;5;10;3;1\r\nB;W;1000\r\n"C;W\r\n' \
  > "$SEEDS/batch/geweigerd.csv"

printf '\357\273\277omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\r\nreferentiewegdek (DAB);0;0;0;0;0;0\r\n"Dicht; ""fijn""";-1,5;2.5e-3;-0;99999;-99999;0,1\r\n  caf\303\251 \342\202\254;1;2;3;4;5;6\r\n' \
  > "$SEEDS/wegdektabel/bestand.csv"
printf 'Omschrijving\tDL_lv\tb_lv\tDL_mv\tb_mv\tDL_zv\tb_zv\r\nDunne deklaag\t-1,5\t2,25\t-0,8\t1\t-0,5\t0\r\n' \
  > "$SEEDS/wegdektabel/geplakt.txt"
printf 'omschrijving;DL_lv;b_lv;DL_mv;b_mv;DL_zv;b_zv\nX;1;2;inf;4;"5;6\n' > "$SEEDS/wegdektabel/fout.csv"

# Study sheets: the example, the one with refused rows, and both cut short.
cp tests/app/invoer/onderzoek.csv tests/app/invoer/onderzoek_fout.csv "$SEEDS/onderzoek/"
head -c 400 tests/app/invoer/onderzoek.csv > "$SEEDS/onderzoek/kort.csv"

# Field texts: rounding edges, carries, both separators, blanks, a sign.
i=0
for t in '1107,371' ' 9.995' '0,005' '-0.001' '+0,000' '127.5\t' '29.5' '99999.995' '.5' '5.' \
    '0.000000000000000000000049' '12345678901234567' '0.1234567890123455'; do
  printf '%b' "$t" > "$SEEDS/veldgetal/$((i++))"
done

fout=0
for naam in "${NAMEN[@]}"; do
  corpus="$BUILD/fuzz-corpus/$naam"
  artefacten="$BUILD/fuzz-artefacten/$naam/"
  log="$BUILD/fuzz-$naam.log"
  extra=()
  [ -f "fuzz/$naam.dict" ] && extra+=(-dict="fuzz/$naam.dict")
  # Every row is a whole calculation: more rows than a few find nothing new, only slower.
  [ "$naam" = batch ] || [ "$naam" = onderzoek ] && extra+=(-max_len=2048)
  mkdir -p "$corpus" "$artefacten"
  echo "== fuzz_$naam: ${SECONDEN}s, log in $log"
  if ! "$BUILD/fuzz/fuzz_$naam" -max_total_time="$SECONDEN" -timeout=10 -print_final_stats=1 "${extra[@]}" \
      -artifact_prefix="$artefacten" "$corpus" "$SEEDS/$naam" > "$log" 2>&1; then
    echo "!! fuzz_$naam failed; inputs in $artefacten"
    fout=1
  fi
  # Sanitizers that recover would not stop the run; their reports still count.
  if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    echo "!! fuzz_$naam reported:"
    grep -E 'ERROR:|runtime error:|SUMMARY' "$log" | head -20
    fout=1
  fi
  grep -E '^stat::number_of_executed_runs|^Done' "$log" || true
done
exit $fout
