#!/usr/bin/env bash
# Installs what building and running the program needs, builds the program alone (no tests,
# tools or benchmark) and starts it. It needs a graphical session.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset run
cmake --build --preset run
exec build/run/app/tarnyx "$@"
