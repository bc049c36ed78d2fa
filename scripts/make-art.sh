#!/usr/bin/env bash
# Renders the icon and banner into resources/ and the README's screenshot into docs/.
# Run it after changing tools/makeart.cpp or the window's look, and commit the results.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target makeart screenshot
export QT_QPA_PLATFORM=offscreen
build/release/tools/makeart resources
mkdir -p docs
build/release/tools/screenshot docs/screenshot.png
