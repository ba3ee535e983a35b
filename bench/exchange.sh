#!/usr/bin/env bash
# Builds the export-file benchmark in release mode, makes the synthetic ontologies as
# bench/run.sh does (reusing those already in build-bench/data) and prints the figures:
# export of every concept, Check File and import of that file into a new ontology, and
# the sqlite3 program loading the same rows; then the peak memory of checking and
# importing a file of two million refused lines.
#   bash bench/exchange.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh sqlite3
source bench/common.sh
build_bench lx_exchange_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  # Opening writes to the file; the benchmark exports from a copy.
  cp "$file" "build-bench/data/exchange-$n.ont"
  build-bench/bin/lx_exchange_bench "build-bench/data/exchange-$n.ont" "$(command -v sqlite3)"
done
build-bench/bin/lx_exchange_bench --refused-lines 2000000
