#!/usr/bin/env bash
# Runs every fuzz target of a `fuzz` build for a while (60 s each unless
# FUZZ_SECONDS says otherwise), after replaying its regression cases.
#
#   fuzz/run.sh [BUILD_FOLDER]        (default build/fuzz)
#
# A crash fails the run. Its input is copied into fuzz/regressions/<target>/:
# commit it with the mend, and every later build replays it (CTest runs
# fuzz_<target>_cases in the dev and asan builds, and this script before it
# fuzzes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/fuzz}
seconds=${FUZZ_SECONDS:-60}
work=$build/fuzz-run
status=0
# Undefined behaviour (a signed overflow) is a fault like a crash.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# What a target takes beyond the common options. A journey's lists grow
# entry by entry, so its inputs may be longer than the seeds; none of them
# needs a block of memory anywhere near 64 MB.
declare -A options=(
    [journey]="-max_len=131072 -malloc_limit_mb=64"
)

for subject in savedgame journey jpeg; do
    program=$build/fuzz/fuzz_$subject
    regressions=$root/fuzz/regressions/$subject
    corpus=$work/corpus/$subject
    artifacts=$work/artifacts/$subject
    rm -rf "$artifacts"
    mkdir -p "$corpus" "$artifacts" "$regressions"
    # libFuzzer adds what it finds to the first folder; the committed seeds
    # stay as they are.
    cp -n "$root/fuzz/corpus/$subject"/* "$corpus"/

    echo "== fuzz_$subject: regression cases, then ${seconds} s of fuzzing"
    if ! "$program" -runs=0 "$regressions" \
        || ! "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            ${options[$subject]:-} -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$regressions"; then
        status=1
        for found in "$artifacts"/*; do
            [[ -e $found ]] || continue
            cp "$found" "$regressions/"
            echo "fuzz_$subject failed on $found; kept as $regressions/$(basename "$found")"
        done
    fi
done
exit $status
