#!/usr/bin/env bash
# Installs what building, running, testing and packaging Tarvo needs on
# Debian 12, then checks that CMake finds every package of the full build.
#   setup.sh            everything: the window, the tests, the package, the browser version
#   setup.sh --venster  only what building and starting the window program needs
set -euo pipefail
cd "$(dirname "$0")/.."

# --no-install-recommends keeps the machine small, so every package that a
# CMake config file of Qt looks for must be named here: libqt6opengl6-dev is
# only a Recommends of qt6-base-dev but Qt Charts needs it, and Qt's Gui
# config wants libxkbcommon-dev. Without a desktop, xdg-mime asks `file`,
# which knows no shared-mime-info types; libfile-mimeinfo-perl's `mimetype`
# does. librsvg2-bin draws the program's icon as PNG: every build that
# installs the program makes it, the window's own included.
VENSTER=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-charts-dev qt6-qpa-plugins qt6-tools-dev qt6-translations-l10n
  libqt6opengl6-dev libxkbcommon-dev libgl1-mesa-dev fonts-liberation2 librsvg2-bin
)
# The tests, the package and the browser version (emscripten, Chromium, a
# locale with a decimal comma for the number tests) come on top.
TOETSEN=(
  file dpkg-dev git locales
  libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
  poppler-utils xvfb xauth imagemagick xdotool x11-utils
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
  emscripten chromium
)

source scripts/pakketten.sh
if [ "${1:-}" = "--venster" ]; then
  InstalleerOntbrekende "${VENSTER[@]}"
  PROEF=build/setup-venster
  mkdir -p build
  if ! cmake -S . -B "$PROEF" -G Ninja -DTARVO_TESTS=OFF -DTARVO_BENCH=OFF >"$PROEF.log" 2>&1; then
    echo "setup: CMake vindt niet alles wat het programma nodig heeft; zie $PROEF.log." >&2
    exit 1
  fi
  exit 0
fi

# The browser version's build and tests run on Node.js; one from elsewhere
# than Debian (with its own npm) will do.
command -v node >/dev/null || TOETSEN+=(nodejs)
command -v npm >/dev/null || TOETSEN+=(npm)
InstalleerOntbrekende "${VENSTER[@]}" "${TOETSEN[@]}"

# The browser test's own packages, exactly as the lock file names them;
# again only when the lock file changed.
if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.tarvo-lock 2>/dev/null; then
  (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
  cp tests/web/package-lock.json tests/web/node_modules/.tarvo-lock
fi

# A configure of the full build in a scratch folder: when a package is still
# missing, say which in one line instead of leaving CMake's output to decode.
PROEF=build/setup-proef
mkdir -p build
if ! cmake -S . -B "$PROEF" -G Ninja -DTARVO_BENCH=ON >"$PROEF.log" 2>&1; then
  ontbreekt=$(grep -oE 'Could NOT find [A-Za-z0-9_-]+|Qt6[A-Za-z0-9]* could not be found|Could not find a package configuration file provided by "[^"]+"' "$PROEF.log" | head -3 | tr '\n' ';' || true)
  echo "setup: CMake vindt niet alles wat de bouw nodig heeft (${ontbreekt:-zie $PROEF.log}); zie $PROEF.log." >&2
  exit 1
fi
grep -q 'tarvo_bench' "$PROEF/build.ninja" 2>/dev/null || {
  echo "setup: Google Benchmark niet gevonden (pakket libbenchmark-dev); zie $PROEF.log." >&2
  exit 1
}
