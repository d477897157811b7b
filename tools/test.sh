#!/usr/bin/env bash
# Sets up, builds and runs the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
cd "$root"
cmake --preset dev
cmake --build --preset dev -j"$(nproc)"
ctest --preset dev -j"$(nproc)"
