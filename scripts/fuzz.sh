#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for SECONDS seconds
# (default 20), seeded with the shipped data files. Exits non-zero on the first crash; the
# crashing input is kept in build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELUMBRA_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$(nproc)"

# target -> the shipped files that seed it
declare -A seeds=(
    [stars]="festrella" [figures]="ffigura" [names]="fnombre" [triangles]="ftriangulo"
    [numbers]="fnumero" [imo_radiants]="fradiante" [terentjeva_radiants]="fradter"
    [count_tables]="fmaglim" [helpers]="fnombre fnumero ftriangulo"
)
mkdir -p build-fuzz/crashes
for target in stars figures names triangles numbers imo_radiants terentjeva_radiants count_tables \
    helpers; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    for f in ${seeds[$target]}; do cp "data/$f" "$corpus/"; done
    echo "== fuzz_$target, $seconds s"
    log="build-fuzz/fuzz_$target.log"
    # Leaks are sanitizer reports too, and fail the run like a crash.
    if ! ASAN_OPTIONS=detect_leaks=1 build-fuzz/fuzz/fuzz_"$target" "$corpus" \
        -max_total_time="$seconds" -max_len=300000 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/crashes/$target-" >"$log" 2>&1; then
        grep -E -A25 "==[0-9]+==|runtime error|ERROR" "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
        echo "fuzz_$target failed; its input is in build-fuzz/crashes/" >&2
        exit 1
    fi
    grep -E "^Done" "$log" || true
done
echo "Fuzzing: no crash."
