#!/usr/bin/env bash
# First command of the README: installs what is missing, builds, and starts Taxel on the full NDC 9 data tree.
# Extra arguments go to the program (for example --maintenance).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)"
exec build/src/taxel --root build/ndc9 "$@"
