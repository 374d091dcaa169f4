#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted with .clang-format (clang-format 14). With
# --fix, formats them instead.
# Usage: tools/format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 "${mode[@]}"
