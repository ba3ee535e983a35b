#!/usr/bin/env bash
# Builds the element-tree benchmark in release mode and runs it on termbases of the
# sizes given (default 10,000 and 100,000 entries), each bound to an ontology of as many
# concepts: opening the entries' branch, revealing, storing terms, values and
# cross-references, and the memory the opened branch takes.
#   bash bench/element_tree.sh [entries...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
mkdir -p build-bench
if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
       cmake --build build-bench --target lx_element_tree_bench; } >build-bench/build.log 2>&1; then
  cat build-bench/build.log >&2
  exit 1
fi
build-bench/bin/lx_element_tree_bench "$@"
