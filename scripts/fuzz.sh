#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS]        each target for SECONDS (default 20)
#   scripts/fuzz.sh --runs N         each target for N executions (the long run: --runs 1000000)
# Corpora are kept in build-fuzz/corpus, so later runs start from what earlier ones found.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
limit=(-max_total_time="${1:-20}")
what="${1:-20}s"
if [ "${1:-}" = "--runs" ]; then
    limit=(-runs="${2:?--runs needs a number}")
    what="${2} runs"
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTAXEL_FUZZ=ON -DTAXEL_GUI=OFF -DTAXEL_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
status=0
for target in linelist commatext keylist example_lookup topic_page schedule analysis answer progress; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus" build-fuzz/artifacts
    echo "== fuzz_$target for $what"
    if ! build-fuzz/fuzz/fuzz_$target "$corpus" "${limit[@]}" -max_len=4096 -timeout=60 -artifact_prefix=build-fuzz/artifacts/ \
            -rss_limit_mb=4096 -print_final_stats=1 2>build-fuzz/fuzz_$target.log; then
        status=1
        tail -n 40 build-fuzz/fuzz_$target.log
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' build-fuzz/fuzz_$target.log || true
done
exit $status
