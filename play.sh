#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh play
scripts/build.sh play
exec build/drovanta
