#!/usr/bin/env bash
# Sets up what is missing, builds with warnings as errors, and runs every test.
# Usage: scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
shift || true
scripts/setup.sh "$build_dir" -DMORVICK_WERROR=ON "$@"
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
