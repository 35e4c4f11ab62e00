#!/usr/bin/env bash
# Puts the C++ sources in the house style of .clang-format.
#   scripts/opmaak.sh               format every tracked .cpp and .h file
#   scripts/opmaak.sh --controleer  change nothing; fail and name the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t bestanden < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--controleer" ]; then
  afwijkend=()
  for f in "${bestanden[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || afwijkend+=("$f")
  done
  if [ ${#afwijkend[@]} -gt 0 ]; then
    echo "Niet in de huisstijl (scripts/opmaak.sh zet ze goed):"
    printf '  %s\n' "${afwijkend[@]}"
    exit 1
  fi
  exit 0
fi
clang-format -i "${bestanden[@]}"
