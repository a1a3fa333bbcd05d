#!/usr/bin/env bash
# Second command of the README: installs what is missing, builds, and runs every test headless.
#  0. the formatting of every C++ file (scripts/format.sh --fix mends it);
#  1. the core library alone, without the windows (it needs Qt Core only);
#  2. a short fuzzing run of every reader of data text (skip: TAXEL_SKIP_FUZZ=1);
#  3. everything with AddressSanitizer and UndefinedBehaviorSanitizer (skip: TAXEL_SKIP_SANITIZE=1);
#  4. everything plainly, with the sample tree;
#  5. a minute of random input to the program on a private X display, on the sample tree
#     (scripts/soak.sh; skip: TAXEL_SKIP_SOAK=1);
#  6. the Debian package, unpacked and started as a user with a fresh home (scripts/package-check.sh;
#     skip: TAXEL_SKIP_PACKAGE=1).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/format.sh

cmake -S . -B build-core -G Ninja -DTAXEL_GUI=OFF
cmake --build build-core -j"$jobs"
ctest --test-dir build-core --output-on-failure

if [ "${TAXEL_SKIP_FUZZ:-0}" != "1" ]; then
    scripts/fuzz.sh 10
fi

if [ "${TAXEL_SKIP_SANITIZE:-0}" != "1" ]; then
    cmake -S . -B build-asan -G Ninja -DTAXEL_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    ctest --test-dir build-asan --output-on-failure
fi

cmake -S . -B build -G Ninja
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure

if [ "${TAXEL_SKIP_SOAK:-0}" != "1" ]; then
    SOAK_LOG="$PWD/build/soak.log" scripts/soak.sh 1 build ||
        { tail -40 build/soak.log; exit 1; }
fi

if [ "${TAXEL_SKIP_PACKAGE:-0}" != "1" ]; then
    scripts/package-check.sh build
fi
