#!/usr/bin/env bash
# Builds the export-file benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures:
# export of every concept, Check File and import of that file into a new ontology, and
# the sqlite3 program loading the same rows.
#   bash bench/exchange.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh sqlite3
mkdir -p build-bench
if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
       cmake --build build-bench --target lx_make_ontology lx_exchange_bench; } >build-bench/build.log 2>&1; then
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
  # Opening writes to the file; the benchmark exports from a copy.
  cp "$file" "build-bench/data/exchange-$n.ont"
  build-bench/bin/lx_exchange_bench "build-bench/data/exchange-$n.ont" "$(command -v sqlite3)"
done
