#!/usr/bin/env bash
# Runs each fuzz target of the fuzz preset for SECONDS seconds, starting from its committed corpus, and
# prints libFuzzer's final statistics. New inputs go to the build folder, never into fuzz/corpus; an input
# that crashes, leaks, runs out of memory or times out is kept there as well, and the script then exits 1.
#
#   fuzz/run-fuzzers.sh SECONDS [TARGET...]      (default: all three targets, one after the other)
set -euo pipefail

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_design_file fuzz_language_file fuzz_generate)
fi

failed=()
for target in "${targets[@]}"; do
    work="$build/fuzz-runs/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== $target: $seconds s"
    # The largest legitimate generation (10,000,000 patients in one block) takes about a minute with the
    # sanitizers; a unit running five minutes is a hang.
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2560 -timeout=300 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "$root/fuzz/corpus/$target" \
        2>&1 | tee "$work/last-run.log" | grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)'; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing found a failure in: ${failed[*]} (inputs in $build/fuzz-runs/<target>/artifacts)" >&2
    exit 1
fi
