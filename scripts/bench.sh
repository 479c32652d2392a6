#!/usr/bin/env bash
# Measures what the tests never assert: the project file's load and save and the gradient fill
# (natively, Google Benchmark), the player's start to its first complete frame against a bare
# Win32 window's and one drag step of the design canvas (under Wine on a private Xvfb), a disc
# image against a copy of its files and the check of a big CD folder (scripts/bench-disc.sh), and
# the size of Quorvane.exe.
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

echo "== the player's first frame on a screen at 192 DPI against 96 DPI, under Wine"
# A menu with everything a scale touches: the gradient, glyphs, captions in several fonts, and an
# opaque green label over the window's centre, where the probe looks.
/usr/bin/python3 - "$work/scaled" <<'PY'
import os, sys
sys.path.insert(0, "tools")
from ardfile import Button, Font, Label, Project
os.makedirs(sys.argv[1], exist_ok=True)
objects = [Button(caption=f"Choice {i}", left=20, top=20 + 60 * i, width=150, height=48,
                  font=Font(name="Arial", size=12 + i)) for i in range(6)]
objects.append(Label(caption="", left=196, top=145, width=200, height=100, color=0x008000, transparent=False))
open(os.path.join(sys.argv[1], "AutoRun.ard"), "wb").write(
    Project(caption="Bench", back_color=0x800000, gradient_color=0xFFC080, gradient_style=4,
            objects=objects).to_bytes())
PY
cp build/win32/bin/Quorvane.exe "$work/scaled/AutoRun.exe"
screen_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    scripts/wine-run reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  done
}
first_frame() {
  scripts/wine-run build/win32/bin/startup_bench.exe "$(winpath "$work/scaled/AutoRun.exe")" \
    "$(winpath "$repo/build/win32/bin/bare_window.exe")" 11 | sed -n 's/^player start to first frame: \([0-9.]*\).*/\1/p'
}
at96="$(first_frame)"
screen_dpi 192
trap 'screen_dpi 96; rm -rf "$work"' EXIT
at192="$(first_frame)"
screen_dpi 96
awk -v a="$at96" -v b="$at192" 'BEGIN { printf "first frame: %.1f ms at 96 DPI, %.1f ms at 192 DPI (ratio %.2f)\n", a, b, b / a }'

echo "== a 600-object menu (200 uses of 10 JPEGs among labels and buttons) under Wine"
/usr/bin/python3 - "$work/many" <<'PY'
import os, sys
sys.path.insert(0, "tools")
from PIL import Image as Picture
from ardfile import Button, Image, Label, Project
out = sys.argv[1]
os.makedirs(out, exist_ok=True)
for i in range(10):  # photo-like pictures of 640 x 480, each its own
    img = Picture.new("RGB", (640, 480))
    img.putdata([((x * (i + 3)) % 256, (y * 5 + i * 20) % 256, (x ^ y) % 256)
                 for y in range(480) for x in range(640)])
    img.save(os.path.join(out, f"photo{i}.jpg"), quality=85)
objects = []
for n in range(600):
    left, top = 10 + (n % 30) * 19, 10 + (n // 30) * 19
    kind = n % 3
    if kind == 0:
        objects.append(Image(left=left, top=top, width=18, height=18, stretch=True,
                             image_file=f"\\photo{(n // 3) % 10}.jpg"))
    elif kind == 1:
        objects.append(Label(caption=f"L{n}", left=left, top=top, width=18, height=18))
    else:
        objects.append(Button(caption=f"B{n}", left=left, top=top, width=18, height=18))
objects.append(Label(caption="", left=196, top=145, width=200, height=100, color=0x008000, transparent=False))
open(os.path.join(out, "AutoRun.ard"), "wb").write(
    Project(caption="Bench", back_color=0x800000, gradient_style=8, objects=objects).to_bytes())
PY
cp build/win32/bin/Quorvane.exe "$work/many/AutoRun.exe"
scripts/wine-run build/win32/bin/startup_bench.exe "$(winpath "$work/many/AutoRun.exe")" \
  "$(winpath "$repo/build/win32/bin/bare_window.exe")" 11

echo "== a camera-sized JPEG decoded at the scale it is shown, under Wine"
scripts/wine-run build/win32/bin/jpeg_scale_bench.exe 5

echo "== design canvas drag step under Wine"
scripts/wine-run build/win32/bin/canvas_bench.exe 60
scripts/wine-run build/win32/bin/canvas_bench.exe 60 snap

echo "== 200 captions drawn through the wide path against the narrow one, under Wine"
scripts/wine-run build/win32/bin/caption_bench.exe 40

bash scripts/bench-disc.sh

echo "== executable size"
size="$(stat -c %s build/win32/bin/Quorvane.exe)"
awk -v s="$size" 'BEGIN { printf "Quorvane.exe: %d bytes against a target of 524288 (ratio %.2f)\n", s, s / 524288 }' 
