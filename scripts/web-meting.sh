#!/usr/bin/env bash
# Measures the browser version: load time from disk, calculation time with
# the report, folder size (bench/web_meting.mjs). Builds it first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web.sh >/dev/null
exec node bench/web_meting.mjs build/web build/web-bouw
