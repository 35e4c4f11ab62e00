#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tarvo on the shipped catalogue.
#   start.sh [ARGS...]  the window program
#   start.sh --web      the browser version: builds build/web and opens its page
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--web" ]; then
  bash scripts/web.sh
  PAGINA=$PWD/build/web/index.html
  if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && command -v xdg-open >/dev/null; then
    exec xdg-open "$PAGINA"
  fi
  echo "Geen beeldscherm gevonden; open de pagina in een browser: file://$PAGINA"
  exit 0
fi

# Only what the window program needs: the tests' and the browser version's
# tools come with scripts/test.sh and scripts/web.sh.
bash scripts/setup.sh --venster
# The same configuration as scripts/pakket.sh, which packages this build.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVO_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DTARVO_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tarvo tarvo-reken

# The data folder is the current directory: a folder of its own keeps the
# user's catalogue changes out of the repository's copy.
WERKMAP=build/werkmap
mkdir -p "$WERKMAP"
[ -f "$WERKMAP/Wegdekken_2012.dat" ] || cp data/Wegdekken_2012.dat "$WERKMAP/"
[ -f "$WERKMAP/voorbeeld.tvo" ] || cp data/voorbeeld.tvo "$WERKMAP/"
[ -f "$WERKMAP/levering.txt" ] || cp data/levering.txt "$WERKMAP/"
cd "$WERKMAP"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Geen beeldscherm gevonden; het voorbeeldrekenblad wordt zonder venster berekend:"
  exec ../release/app/tarvo-reken voorbeeld.tvo
fi
exec ../release/app/tarvo "$@"
