#!/usr/bin/env bash
# Builds the element-tree benchmark in release mode and runs it on termbases of the
# sizes given (default 10,000 and 100,000 entries), each bound to an ontology of as many
# concepts: opening the entries' branch, revealing, storing terms, values and
# cross-references, and the memory the opened branch takes.
#   bash bench/element_tree.sh [entries...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
source bench/common.sh
build_bench lx_element_tree_bench
build-bench/bin/lx_element_tree_bench "$@"
