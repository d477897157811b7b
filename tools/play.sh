#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
cmake --preset release -S "$root" >/dev/null
cmake --build "$root/build/release" -j"$(nproc)"
exec "$root/build/release/kelvarin" "$@"
