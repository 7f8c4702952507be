#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/bin/morvick
