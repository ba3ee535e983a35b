#!/usr/bin/env bash
# Builds the find benchmark in release mode and runs it on termbases of the sizes given
# (default 100,000 entries): the first match of a concept and of a term, and Find Next.
#   bash bench/find.sh [entries...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
mkdir -p build-bench
if ! { cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLX_BUILD_TESTS=OFF -DLX_BUILD_BENCH=ON &&
       cmake --build build-bench --target lx_find_bench; } >build-bench/build.log 2>&1; then
  cat build-bench/build.log >&2
  exit 1
fi
build-bench/bin/lx_find_bench "$@"
