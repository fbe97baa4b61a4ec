#!/usr/bin/env bash
# Times `kelvaron-cli generate -o` of a 1,000,000-patient design (2 arms, variable blocks 2 to 8, block
# marks on) against the floor program writing the same number of lines, and reports the ratio and the
# peak memory of each. Then checks that 10,000,000 patients work. Usage: bench/run-benchmark.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
cmake --build "$build" --target kelvaron-cli kelvaron-bench-floor >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

design() { # patients file
    printf '[Design]\r\nName=Benchmark\r\nArme=2\r\nFallzahl=%s\r\nMulticenter=0\r\n[Arme]\r\nAnzahl=2\r\nBez1=Arm 1\r\nBeschr1=Verum\r\nRatio1=1\r\nBez2=Arm 2\r\nBeschr2=Placebo\r\nRatio2=1\r\n[Bloecke]\r\nFix=0\r\nVon=2\r\nBis=8\r\n[Zufall]\r\nSeed=4711\r\n' "$1" >"$2"
}

# Best of ten runs in milliseconds (whole process, from start to exit), and the peak resident
# kilobytes of one run from GNU time.
measure() {
    local best="" start end elapsed
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        elapsed=$(((end - start) / 1000000))
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    /usr/bin/time -f '%M' -o "$work/time" "$@" >/dev/null
    echo "$best $(cat "$work/time")"
}

design 1000000 "$work/million.kvd"
read -r cliMs cliKb < <(measure "$build/src/cli/kelvaron-cli" generate "$work/million.kvd" -o "$work/list.txt")
lines=$(grep -c $'\t' "$work/list.txt")
read -r floorMs floorKb < <(measure "$build/bench/kelvaron-bench-floor" "$lines" "$work/floor.txt")
echo "patients:          1000000 ($(wc -c <"$work/list.txt") bytes, floor $(wc -c <"$work/floor.txt") bytes)"
echo "kelvaron-cli:      ${cliMs} ms, peak ${cliKb} KiB"
echo "floor program:     ${floorMs} ms, peak ${floorKb} KiB"
awk "BEGIN{printf \"ratio:             %.2f (limit 3, aim 2)\n\", $cliMs / ($floorMs > 0 ? $floorMs : 1)}"

design 10000000 "$work/ten-million.kvd"
read -r bigMs bigKb < <(measure "$build/src/cli/kelvaron-cli" generate "$work/ten-million.kvd" -o "$work/big.txt")
echo "10000000 patients: ${bigMs} ms, peak ${bigKb} KiB, $(grep -c $'\t' "$work/big.txt") patient lines"
