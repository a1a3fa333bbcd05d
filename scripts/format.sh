#!/usr/bin/env bash
# Checks that every C++ file is formatted as .clang-format says (Debian's clang-format 14).
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(find src tests bench fuzz sample -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run --Werror "${files[@]}"
fi
