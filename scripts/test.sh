#!/usr/bin/env bash
# Second command of the README: installs what is missing, builds, and runs every test headless.
# The core library is also built alone, without the windows, which proves it needs Qt Core only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-core -G Ninja -DTAXEL_GUI=OFF
cmake --build build-core -j"$(nproc)"
ctest --test-dir build-core --output-on-failure

cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
