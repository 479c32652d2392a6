#!/usr/bin/env bash
# Measures what making a disc costs, which no test asserts: the image of a 500 MB CD folder
# against a plain copy of the same files, natively (the product's writer through make_test_image)
# and under Wine (Quorvane.exe /image against Wine's xcopy), and /check of a folder of 10,000
# files under Wine. Both sides read warm files, so the comparison is of the writing alone; each is
# run three times and the median counts. Called by scripts/bench.sh, which builds first.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
winpath() { printf 'Z:%s' "${1//\//\\}"; }
# seconds COMMAND...: the wall time of COMMAND, whatever its exit code (/check's says what it found).
seconds() {
  local TIMEFORMAT=%R
  { time "$@" >/dev/null 2>&1 || true; } 2>&1
}
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
# median3 COMMAND...: the median time of three runs of COMMAND (each after `fresh`, if defined).
median3() {
  local a b c
  fresh; a="$(seconds "$@")"
  fresh; b="$(seconds "$@")"
  fresh; c="$(seconds "$@")"
  median "$a" "$b" "$c"
}

# 500 MB: 10 folders of 10 files of 5 MB, of incompressible bytes.
cd_folder="$work/cd"
for f in $(seq 0 9); do
  mkdir -p "$cd_folder/Folder $f"
  for n in $(seq 0 9); do
    head -c $((5 * 1024 * 1024)) /dev/urandom >"$cd_folder/Folder $f/Video part $n.bin"
  done
done
cp build/win32/bin/Quorvane.exe "$work/Quorvane.exe"
/usr/bin/python3 - "$cd_folder/AutoRun.ard" <<'PY'
import sys
sys.path.insert(0, "tools")
from ardfile import Project
open(sys.argv[1], "wb").write(Project(caption="Bench").to_bytes())
PY
cat "$cd_folder"/*/* >/dev/null  # warm

echo "== a 500 MB CD folder as a disc image against a copy of its files, natively"
cmake --build build/bench --target make_test_image >/dev/null
fresh() { rm -rf "$work/copy" "$work/image.iso"; sync; }
copy="$(median3 cp -r "$cd_folder" "$work/copy")"
image="$(median3 build/bench/bin/make_test_image "$cd_folder" "$work/image.iso" BENCH)"
awk -v c="$copy" -v i="$image" 'BEGIN { printf "copy %.2f s, image %.2f s: the image at %.2f of the copy'"'"'s speed\n", c, i, c / i }'

echo "== the same under Wine: Quorvane.exe /image against xcopy"
scripts/wine-run cmd /c ver >/dev/null  # the prefix and wineserver are up before timing
copy="$(median3 scripts/wine-run xcopy /E /I /Q "$(winpath "$cd_folder")" "$(winpath "$work/copy")")"
image="$(median3 scripts/wine-run "$work/Quorvane.exe" /image "$(winpath "$cd_folder")" \
  "$(winpath "$work/image.iso")")"
awk -v c="$copy" -v i="$image" 'BEGIN { printf "xcopy %.2f s, /image %.2f s: the image at %.2f of the copy'"'"'s speed\n", c, i, c / i }'
rm -rf "$cd_folder" "$work/copy" "$work/image.iso"

echo "== /check of a CD folder of 10,000 files under Wine"
many="$work/many"
/usr/bin/python3 - "$many" <<'PY'
import os, sys
sys.path.insert(0, "tools")
from ardfile import Project
root = sys.argv[1]
for f in range(100):
    folder = os.path.join(root, f"Folder {f:03}")
    os.makedirs(folder)
    for n in range(100):
        open(os.path.join(folder, f"Page {n:03}.html"), "wb").write(b"<p>page</p>")
open(os.path.join(root, "AutoRun.ard"), "wb").write(Project(caption="Bench").to_bytes())
PY
fresh() { :; }
empty="$work/empty"
mkdir -p "$empty"
cp "$many/AutoRun.ard" "$empty/"
start="$(median3 scripts/wine-run "$work/Quorvane.exe" /check "$(winpath "$empty")")"
check="$(median3 scripts/wine-run "$work/Quorvane.exe" /check "$(winpath "$many")")"
awk -v s="$start" -v c="$check" 'BEGIN { printf "/check: %.2f s for 10,000 files, %.2f s for none (the difference %.2f s)\n", c, s, c - s }'
