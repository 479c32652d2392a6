#!/usr/bin/env bash
# Measures what the tests never assert: the project file's load and save and the gradient fill
# (natively, Google Benchmark), the player's start to its first complete frame against a bare
# Win32 window's and one drag step of the design canvas (under Wine on a private Xvfb), and the
# size of Quorvane.exe.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
jobs="$(nproc)"

bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$jobs" --target quorvane_benchmarks
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$jobs"

# On a shared machine memory and processor speed drift from one second to the next (a plain fill
# of the same buffer has taken anywhere from 150 to 280 us), so each benchmark runs seven times
# and the median of its times and ratios is the verdict.
echo "== native benchmarks (median of 7 repetitions)"
build/bench/bin/quorvane_benchmarks --benchmark_repetitions=7 --benchmark_display_aggregates_only=true \
  "$@" | grep -v -E '_(mean|stddev|cv) '

echo "== player start-up under Wine"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp build/win32/bin/Quorvane.exe "$work/AutoRun.exe"
# A one-colour menu: green panel, no gradient, centred 600 x 420.
/usr/bin/python3 - "$work/AutoRun.ard" <<'PY'
import sys
sys.path.insert(0, "tools")
from ardfile import Project
open(sys.argv[1], "wb").write(Project(caption="Bench", back_color=0x008000, gradient_style=8).to_bytes())
PY
# Wine sees the Linux root as drive Z:.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
unset DISPLAY  # a private Xvfb of the known size, with nothing else on it
scripts/wine-run build/win32/bin/startup_bench.exe "$(winpath "$work/AutoRun.exe")" \
  "$(winpath "$repo/build/win32/bin/bare_window.exe")" 21

echo "== design canvas drag step under Wine"
scripts/wine-run build/win32/bin/canvas_bench.exe 60
scripts/wine-run build/win32/bin/canvas_bench.exe 60 snap

echo "== executable size"
size="$(stat -c %s build/win32/bin/Quorvane.exe)"
awk -v s="$size" 'BEGIN { printf "Quorvane.exe: %d bytes against a target of 524288 (ratio %.2f)\n", s, s / 524288 }' 
