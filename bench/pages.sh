#!/usr/bin/env bash
# Builds the page-writer benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures:
# concept pages at every size, entry pages for a termbase of 100k entries.
#   bash bench/pages.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
mkdir -p build-bench
if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
       cmake --build build-bench --target lx_make_ontology lx_pages_bench; } >build-bench/build.log 2>&1; then
  cat build-bench/build.log >&2
  exit 1
fi
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
mkdir -p build-bench/data
for n in "${sizes[@]}"; do
  file=build-bench/data/onto-$n.ont
  if [ ! -f "$file.targets" ] || [ bench/make_ontology.cpp -nt "$file.targets" ]; then
    build-bench/bin/lx_make_ontology "$file" "$n" >&2
  fi
  # The benchmark works on a copy: the engine's work table is written, and termbases bind to it.
  cp "$file" "build-bench/data/pages-$n.ont"
  extra=()
  [ "$n" -eq 100000 ] && extra=(entries)
  build-bench/bin/lx_pages_bench "build-bench/data/pages-$n.ont" "build-bench/data/pages-$n-out" "${extra[@]}"
  rm -f "build-bench/data/pages-$n.ont"
done
