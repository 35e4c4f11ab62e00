#!/usr/bin/env bash
# Builds the Debian package from the Release build (build/release, shared
# with start.sh) and checks it without installing it: the file list, the
# control fields, the desktop entry, the metainfo, the worksheet type, the
# manual pages, and the unpacked programs computing the sample from an
# empty folder for a user without a data folder.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build/release
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/tarvo-xdg}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The browser version goes in when scripts/web.sh has built it.
WEB=build/web
WEBOPTIE=-DTARVO_WEB_MAP=
if [ -f "$WEB/index.html" ]; then WEBOPTIE=-DTARVO_WEB_MAP=$PWD/$WEB; fi
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVO_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr "$WEBOPTIE" >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target tarvo_pakketinhoud
rm -f "$BUILD"/tarvo_*.deb
if ! (cd "$BUILD" && cpack -G DEB >cpack.log 2>&1); then
  cat "$BUILD/cpack.log" >&2
  echo "pakket: cpack mislukt" >&2
  exit 1
fi

fout=0
niet() { echo "!! $*" >&2; fout=1; }

pakketten=("$BUILD"/tarvo_*.deb)
[ ${#pakketten[@]} -eq 1 ] && [ -f "${pakketten[0]}" ] || { echo "pakket: niet precies een .deb in $BUILD" >&2; exit 1; }
DEB=${pakketten[0]}
echo "== $DEB"

ID=nl.tarvo.Tarvo
verwacht=$(
  printf '%s\n' ./usr/bin/tarvo ./usr/bin/tarvo-reken \
    ./usr/share/tarvo/Wegdekken_2012.dat ./usr/share/tarvo/voorbeeld.tvo ./usr/share/tarvo/levering.txt \
    ./usr/share/applications/$ID.desktop ./usr/share/metainfo/$ID.metainfo.xml ./usr/share/mime/packages/$ID.xml \
    ./usr/share/icons/hicolor/scalable/apps/$ID.svg \
    ./usr/share/man/man1/tarvo.1.gz ./usr/share/man/man1/tarvo-reken.1.gz ./usr/share/doc/tarvo/copyright
  for maat in 16 22 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${maat}x${maat}/apps/$ID.png"; done
  if [ "$WEBOPTIE" != -DTARVO_WEB_MAP= ]; then echo ./usr/share/tarvo/web/index.html; fi
)
gevonden=$(dpkg-deb -c "$DEB" | awk '$1 ~ /^-/ {print $NF}')
if ! diff <(sort <<<"$verwacht") <(sort <<<"$gevonden") >&2; then
  niet "bestandenlijst van het pakket wijkt af (< verwacht, > in het pakket)"
fi
if dpkg-deb -c "$DEB" | awk '$1 ~ /^-/ && $NF ~ /^\.\/usr\/share\// && $1 !~ /^-rw-r--r--$/' | grep .; then
  niet "gedeelde bestanden horen alleen-lezen (644) te zijn"
fi

# Control fields: the library dependencies are computed, so Qt must be among them.
afhankelijk=$(dpkg-deb -f "$DEB" Depends)
for p in libc6 libqt6widgets6 libqt6charts6 libqt6printsupport6 fonts-liberation2; do
  grep -q "\b$p\b" <<<"$afhankelijk" || niet "Depends mist $p: $afhankelijk"
done
[ "$(dpkg-deb -f "$DEB" Section)" = science ] || niet "Section is niet science"
[ "$(dpkg-deb -f "$DEB" Version)" = "$(sed -n 's/^project(Tarvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  niet "pakketversie is niet die van het project"

T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
dpkg-deb -x "$DEB" "$T/root"
R=$T/root/usr

desktop-file-validate "$R/share/applications/$ID.desktop" || niet "desktop-file-validate"
grep -qx "MimeType=application/x-tarvo-rekenblad;" "$R/share/applications/$ID.desktop" || niet "desktop-bestand mist MimeType"
appstreamcli validate --no-net "$R/share/metainfo/$ID.metainfo.xml" >"$T/appstream.log" 2>&1 || {
  cat "$T/appstream.log" >&2
  niet "appstreamcli validate"
}

# Debian's copyright file in the machine-readable format: the format line,
# a Files paragraph, and a text for every licence it names.
KOPIE=$R/share/doc/tarvo/copyright
head -1 "$KOPIE" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  niet "copyright: eerste regel is geen Format-regel"
grep -qx 'Files: \*' "$KOPIE" && grep -q '^Copyright: ' "$KOPIE" || niet "copyright: mist Files: * of Copyright:"
for licentie in $(sed -n 's/^License: //p' "$KOPIE" | sort -u); do
  awk -v l="$licentie" '$0 == "License: " l {getline; if ($0 ~ /^ /) gevonden = 1} END {exit !gevonden}' "$KOPIE" ||
    niet "copyright: licentie $licentie zonder tekst"
done

# The worksheet type as the desktop's database builds it.
mkdir -p "$T/mime/packages"
cp "$R/share/mime/packages/$ID.xml" "$T/mime/packages/"
update-mime-database "$T/mime" 2>"$T/mime.log" || niet "update-mime-database: $(cat "$T/mime.log")"
grep -q 'application/x-tarvo-rekenblad:\*\.tvo' "$T/mime/globs2" 2>/dev/null || niet "*.tvo staat niet in globs2"

# Manual pages: clean troff at a terminal's usual width (what CI sees), and
# every option of --help described.
for pagina in tarvo tarvo-reken; do
  waarschuwing=$(MANWIDTH=80 man --warnings -l "$R/share/man/man1/$pagina.1.gz" 2>&1 >/dev/null || true)
  [ -z "$waarschuwing" ] || niet "man $pagina: $waarschuwing"
done
tekst=$(MANWIDTH=200 man -l "$R/share/man/man1/tarvo-reken.1.gz" 2>/dev/null)
for optie in $("$R/bin/tarvo-reken" --help | grep -oE -- '--[a-z]+' | sort -u); do
  grep -q -- "$optie" <<<"$tekst" || niet "man tarvo-reken beschrijft $optie niet"
done

# The unpacked programs from an empty folder, for a user without a data
# folder: they must find the shipped catalogue beside their own folder.
mkdir -p "$T/leeg" "$T/thuis"
if ! (
  cd "$T/leeg"
  export HOME=$T/thuis XDG_DATA_HOME=
  "$R/bin/tarvo-reken" --help | grep -qF "$R/share/tarvo/Wegdekken_2012.dat" || niet "tarvo-reken --help noemt de meegeleverde catalogus niet"
  "$R/bin/tarvo-reken" "$R/share/tarvo/voorbeeld.tvo" --datum 2026-12-06 >rapport.txt || niet "tarvo-reken voorbeeld.tvo"
  "$R/bin/tarvo-reken" "$R/share/tarvo/voorbeeld.tvo" --datum 2026-12-06 \
    --wegdekken "$R/share/tarvo/Wegdekken_2012.dat" >met-catalogus.txt
  [ -s rapport.txt ] && cmp -s rapport.txt met-catalogus.txt || niet "tarvo-reken rekent niet met de meegeleverde catalogus"
  QT_QPA_PLATFORM=offscreen "$R/bin/tarvo" --pdf "$R/share/tarvo/voorbeeld.tvo" voorbeeld.pdf 2>/dev/null || niet "tarvo --pdf"
  [ "$(head -c 4 voorbeeld.pdf 2>/dev/null)" = "%PDF" ] || niet "tarvo --pdf schreef geen PDF"
  [ ! -e "$T/thuis/.local" ] || niet "de opdrachtregel maakte een gegevensmap aan"
  exit $fout
); then
  fout=1
fi

if [ $fout -ne 0 ]; then
  echo "pakket: controles mislukt" >&2
  exit 1
fi
echo "pakket: $(basename "$DEB") in orde ($(wc -l <<<"$gevonden") bestanden)"
