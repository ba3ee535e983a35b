#!/usr/bin/env bash
# Builds the termbase benchmark in release mode and runs it: creating a termbase for an
# ontology of 100,000 concepts, opening it for work, linking it and keeping linked
# termbases in step.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_termbase_bench
build-bench/bin/lx_termbase_bench
