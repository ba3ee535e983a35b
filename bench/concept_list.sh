#!/usr/bin/env bash
# Builds the concept-list benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures.
#   bash bench/concept_list.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_concept_list_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  # The benchmark opens a copy: opening writes the properties back into the file.
  cp "$file" "build-bench/data/list-$n.ont"
  build-bench/bin/lx_concept_list_bench "build-bench/data/list-$n.ont" "$file.targets"
done
