#!/usr/bin/env bash
# Retakes the screenshots of the designer's help page (docs/help/*.png) from the real designer and
# rebuilds the page beside Quorvane.exe (build/win32/bin/Quorvane Help.html).
#
#   bash scripts/help-screenshots.sh
#
# It sets up the machine and builds the Windows tree (Quorvane.exe, the demo CD folder, the rig's
# programs), then runs tools/help_screenshots.py: Quorvane.exe under Wine on a private Xvfb, on a
# copy of the demo CD folder, driven with real clicks and keys. It rewrites committed files, so it
# is not part of the tests: look at the new pictures before committing them. The end-to-end test
# tests/e2e/test_help_pictures.py takes the same pictures and fails while a committed one differs.
# It uses the end-to-end tests' Wine prefix (build/wineprefix, or QUORVANE_WINEPREFIX): do not run
# it while those tests run on the same prefix.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$(nproc)"
/usr/bin/python3 tools/help_screenshots.py docs/help
cmake --build build/win32 --target quorvane_help_page
echo "Help page rebuilt: build/win32/bin/Quorvane Help.html"
