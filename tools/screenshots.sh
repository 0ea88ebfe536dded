#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of the window in docs/images/ anew, from the real window against the
# simulated radio (tests/screenshots): run it after any change the window shows, and commit the
# pictures that changed. Builds the picture program in build/ first where needed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

tools/install-deps.sh
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target zentor_screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=offscreen build/tests/screenshots/zentor_screenshots docs/images
echo "Pictures written to docs/images/."
