#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core and window
# tests; the browser version's (its WebAssembly build against the native
# program's texts, its page in headless Chromium); the Debian package built
# from the Release build and checked; the core tests again under address and
# undefined-behaviour sanitizers; and a bounded run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/tarvo-xdg}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
JOBS="$(nproc)"

echo "== Bouwen en testen (alles) =="
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test -j"$JOBS"
ctest --test-dir build/test --output-on-failure -j"$JOBS"

# Before the package, which takes the page in when it was built.
echo "== Browserversie (WebAssembly): bouwen, tarvo-reken onder Node, de pagina in Chromium =="
bash scripts/web.sh
bash tests/web/golden.sh build/web-bouw build/web-test
# Every page test; the tools' tests hold the page's numbers against the native tarvo-reken.
TARVO_WEB_MAP=build/web TARVO_REKEN=build/test/app/tarvo-reken node --test tests/web/*.test.mjs

echo "== Pakket (Release) =="
bash scripts/pakket.sh

echo "== Kern met sanitizers =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVO_GUI=OFF -DTARVO_SANITIZE=ON -DTARVO_BENCH=OFF >/dev/null
cmake --build build/asan -j"$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j"$JOBS"

echo "== Fuzzers =="
bash scripts/fuzz.sh
