#!/usr/bin/env bash
# Builds and runs every test: the unit tests of the portable code (native g++), the same under
# the sanitizers with the long-run leak test, a short fuzz run, then tintavo.exe, the check that
# it builds to the same file elsewhere and of the release archive, and the end-to-end tests
# under Wine, which start their own X server.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/deps.sh

cmake --preset native
cmake --build --preset native -j2
ctest --preset native

cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan

bash tests/fuzz/run.sh 15

cmake --preset windows
cmake --build --preset windows -j2
bash tests/release/check.sh
ctest --preset e2e
