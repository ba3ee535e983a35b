#!/usr/bin/env bash
# Builds Lexvarin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DLX_BUILD_TESTS=OFF >/dev/null
cmake --build build
exec build/bin/lexvarin "$@"
