#!/usr/bin/env bash
# Retakes the screenshots of the designer's help page (docs/help/*.png) from the real designer and
# rebuilds the page beside Quorvane.exe (build/win32/bin/Quorvane Help.html).
#
#   bash scripts/help-screenshots.sh
#
# It sets up the machine and builds the Windows tree (Quorvane.exe, the demo CD folder, the rig's
# programs), then runs tools/help_screenshots.py: Quorvane.exe under Wine on a private Xvfb, on a
# copy of the demo CD folder, driven with real clicks and keys. It rewrites committed files, so it
# is not part of the tests: look at the new pictures before committing them.
# It uses the end-to-end tests' Wine prefix (build/wineprefix, or QUORVANE_WINEPREFIX): do not run
# it while those tests run on the same prefix.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
say() { printf '[help-screenshots] %s\n' "$*" >&2; }

bash scripts/setup.sh

build="$repo/build/win32"
if [ ! -f "$build/build.ninja" ]; then
  say "configuring the Windows tree in $build"
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
say "building the Windows tree"
cmake --build "$build" -j "$(nproc)"

say "taking the screenshots"
/usr/bin/python3 tools/help_screenshots.py "$repo/docs/help"

say "rebuilding the help page"
cmake --build "$build" --target quorvane_help_page
say "done: $build/bin/Quorvane Help.html"
