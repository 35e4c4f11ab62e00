#!/usr/bin/env bash
# Builds the browser version into build/web: index.html, which opens from
# disk and holds the core as WebAssembly, tarvo-reken.js (the command line
# under Node over the same core) and the shipped data files. Installs
# Emscripten and Node.js from Debian's packages when they are missing; the
# native build is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."

PAKKETTEN=(cmake ninja-build python3 emscripten)
# Node.js may come from elsewhere than Debian (the machine's own); any will do.
command -v node >/dev/null || PAKKETTEN+=(nodejs)
source scripts/pakketten.sh
InstalleerOntbrekende "${PAKKETTEN[@]}"

# Emscripten's optimizer needs Debian's JavaScript packages (acorn), which a
# Node.js from elsewhere does not look for by itself. Its own choice of Node
# options for the generators does not suit Node 20: plain node runs them.
# tarvo-reken.js looks for the shipped catalogue where the package puts it (/usr).
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
BOUW=build/web-bouw
emcmake cmake -S . -B "$BOUW" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DTARVO_GUI=OFF -DTARVO_BENCH=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" -DCMAKE_INSTALL_PREFIX=/usr -DTARVO_WEB_MAP="$PWD/build/web" >/dev/null
cmake --build "$BOUW" -j"$(nproc)"
echo "web: $PWD/build/web/index.html ($(du -sk build/web | cut -f1) kB)"
