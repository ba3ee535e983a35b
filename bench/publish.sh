#!/usr/bin/env bash
# Builds the reports and publishing benchmarks in release mode, makes the synthetic
# ontologies as bench/run.sh does (reusing those already in build-bench/data) and prints
# the figures.
#   bash bench/publish.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_reports_bench lx_publish_bench
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(100000 1000000)
for n in "${sizes[@]}"; do
  file=$(synthetic_ontology "$n")
  # The benchmark opens a copy: opening writes the properties back into the file.
  cp "$file" "build-bench/data/reports-$n.ont"
  build-bench/bin/lx_reports_bench "build-bench/data/reports-$n.ont"
  # Every page is written into a folder of its own, removed again once all sizes ran: the
  # file system makes new files slowly for some minutes after many were removed.
  rm -rf "build-bench/data/published-$n"
  build-bench/bin/lx_publish_bench "build-bench/data/reports-$n.ont" "build-bench/data/published-$n"
done
for n in "${sizes[@]}"; do
  rm -rf "build-bench/data/published-$n"
done
