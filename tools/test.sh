#!/usr/bin/env bash
# Sets up, builds and runs every gate CI runs:
#   dev    the developer build (warnings as errors) and every test suite
#   asan   the same suites built with the address and undefined-behaviour sanitizers
#   fuzz   the fuzz targets (clang, libFuzzer), about a minute each (FUZZ_SECONDS)
# Name gates to run only those: tools/test.sh dev fuzz
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
cd "$root"
jobs=$(nproc)
gates=("$@")
[[ ${#gates[@]} -gt 0 ]] || gates=(dev asan fuzz)

for gate in "${gates[@]}"; do
    start=$SECONDS
    echo "=== $gate"
    case $gate in
    dev | asan)
        cmake --preset "$gate"
        cmake --build --preset "$gate" -j"$jobs"
        ctest --preset "$gate" -j"$jobs"
        ;;
    fuzz)
        cmake --preset fuzz
        cmake --build --preset fuzz -j"$jobs"
        fuzz/run.sh build/fuzz
        ;;
    *)
        echo "Unknown gate: $gate (dev, asan or fuzz)" >&2
        exit 2
        ;;
    esac
    echo "=== $gate passed in $((SECONDS - start)) s"
done
