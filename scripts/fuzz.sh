#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each for a bounded time. Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] (default 20).
# A long run: scripts/fuzz.sh 1800 (half an hour per target); corpora are kept in build-fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
seconds=${1:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTAXEL_FUZZ=ON -DTAXEL_GUI=OFF -DTAXEL_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
status=0
for target in linelist commatext keylist example_lookup topic_page schedule; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    if ! build-fuzz/fuzz/fuzz_$target "$corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
            -rss_limit_mb=4096 -print_final_stats=1 2>build-fuzz/fuzz_$target.log; then
        status=1
        tail -n 40 build-fuzz/fuzz_$target.log
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' build-fuzz/fuzz_$target.log || true
done
exit $status
