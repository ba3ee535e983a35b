#!/usr/bin/env bash
# Builds the subsets benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures:
# 100,000 concepts moved, named, unnamed, and removed with their subset and from a
# linked termbase; 10,000 rows of a subset's list, checked at random, moved, and moved
# back by SQLite alone (the ratio compares the two).
#   bash bench/subsets.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
bash scripts/deps.sh
build_bench lx_subsets_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
mkdir -p build-bench/subsets
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  # The benchmark changes the file: it works on a copy.
  cp "$file" "build-bench/subsets/onto-$n.ont"
  build-bench/bin/lx_subsets_bench "build-bench/subsets/onto-$n.ont" build-bench/bin/res.dat
done
