#!/usr/bin/env bash
# Builds the find benchmark in release mode and runs it on termbases of the sizes given
# (default 100,000 entries): the first match of a concept and of a term, and Find Next.
#   bash bench/find.sh [entries...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_find_bench
build-bench/bin/lx_find_bench "$@"
