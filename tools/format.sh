#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted with .clang-format, by the newest clang-format
# installed. With --fix, formats them instead.
# Usage: tools/format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/llvm_tool.sh
format=$(newest_llvm_tool clang-format)
mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)
git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" "${mode[@]}"
