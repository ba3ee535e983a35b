#!/usr/bin/env bash
# Builds the page-writer benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures:
# concept pages at every size, entry pages for a termbase of 100k entries.
#   bash bench/pages.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_pages_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  # The benchmark works on a copy: the engine's work table is written, and termbases bind to it.
  cp "$file" "build-bench/data/pages-$n.ont"
  extra=()
  [ "$n" -eq 100000 ] && extra=(entries)
  build-bench/bin/lx_pages_bench "build-bench/data/pages-$n.ont" "build-bench/data/pages-$n-out" "${extra[@]}"
  rm -f "build-bench/data/pages-$n.ont"
done
