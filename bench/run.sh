#!/usr/bin/env bash
# Builds the benchmarks, makes synthetic ontologies of 10k, 100k and 1M concepts (kept in
# build-bench/data and reused by later runs) and prints the figures.
#   bash bench/run.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh sqlite3
mkdir -p build-bench
if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
       cmake --build build-bench --target lx_make_ontology lx_ontology_bench; } >build-bench/build.log 2>&1; then
  cat build-bench/build.log >&2
  exit 1
fi
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(10000 100000 1000000)
mkdir -p build-bench/data
for n in "${sizes[@]}"; do
  file=build-bench/data/onto-$n.ont
  # A file from an older generator or an interrupted run is made again.
  if [ ! -f "$file.targets" ] || [ bench/make_ontology.cpp -nt "$file.targets" ]; then
    build-bench/bin/lx_make_ontology "$file" "$n" >&2
  fi
  build-bench/bin/lx_ontology_bench "$file" "$(command -v sqlite3)"
done
