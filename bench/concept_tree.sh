#!/usr/bin/env bash
# Builds the navigator benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures.
#   bash bench/concept_tree.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_concept_tree_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  # The benchmark adds its shapes to a copy, and opening writes the properties back.
  cp "$file" "build-bench/data/tree-$n.ont"
  build-bench/bin/lx_concept_tree_bench "build-bench/data/tree-$n.ont"
done
