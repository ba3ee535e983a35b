#!/usr/bin/env bash
# Builds the subsets benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures:
# moving, naming, unnaming and removing with their termbase 100,000 concepts.
#   bash bench/subsets.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
mkdir -p build-bench
if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
       cmake --build build-bench --target lx_make_ontology lx_subsets_bench; } >build-bench/build.log 2>&1; then
  cat build-bench/build.log >&2
  exit 1
fi
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
mkdir -p build-bench/data build-bench/subsets
for n in "${sizes[@]}"; do
  file=build-bench/data/onto-$n.ont
  if [ ! -f "$file.targets" ] || [ bench/make_ontology.cpp -nt "$file.targets" ]; then
    build-bench/bin/lx_make_ontology "$file" "$n" >&2
  fi
  # The benchmark changes the file: it works on a copy.
  cp "$file" "build-bench/subsets/onto-$n.ont"
  build-bench/bin/lx_subsets_bench "build-bench/subsets/onto-$n.ont" build-bench/bin/res.dat
done
