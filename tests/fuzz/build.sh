#!/usr/bin/env bash
# Builds the fuzzers with clang in BUILD_DIR. The project's build runs it for build/fuzz (the
# target torvane_fuzzers), so that the test Fuzzers only runs them.
# Usage: build.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/fuzzers.sh"
build_fuzzers "$1"
