#!/usr/bin/env bash
# Builds Lexvarin with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Under continuous integration (CI set) a compiler warning fails the build.
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build-tests -G Ninja -DLX_BUILD_TESTS=ON -DLX_WARNINGS_AS_ERRORS=$werror >/dev/null
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure -j "$(nproc)"
