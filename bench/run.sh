#!/usr/bin/env bash
# Builds the benchmarks, makes synthetic ontologies of 10k, 100k and 1M concepts (kept in
# build-bench/data and reused by later runs) and prints the figures.
#   bash bench/run.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh sqlite3
source bench/common.sh
build_bench lx_ontology_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(10000 100000 1000000)
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  build-bench/bin/lx_ontology_bench "$file" "$(command -v sqlite3)"
done
