#!/usr/bin/env bash
# Sets up the machine, builds Quorvane.exe and runs the designer on a copy of the demo CD folder.
#
#   bash scripts/run-designer.sh
#
# build/designer-run/ is made afresh on every run: Quorvane.exe and CDROM/, a copy of the demo CD
# folder (the generated build/win32/demo/CD when the build made one, else the repository's
# demo/CD). The designer opens that CDROM folder.
# With DISPLAY set the designer runs there in the foreground (under the private Wine prefix,
# build/wineprefix) until it is closed. Without DISPLAY it runs on a private Xvfb: once its main
# window is shown and drawn, a screenshot goes to build/screenshots/designer.png, the designer is
# closed, and the script exits 0.
#
# Environment: QUORVANE_WINEPREFIX (see scripts/wine-run); QUORVANE_WINE_WM=none when DISPLAY
# has no window manager (default with a DISPLAY: wm).
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
say() { printf '[run-designer] %s\n' "$*" >&2; }

bash scripts/setup.sh

build="$repo/build/win32"
if [ ! -f "$build/build.ninja" ]; then
  say "configuring the Windows tree in $build"
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
say "building the Windows tree"
cmake --build "$build" -j "$(nproc)"

demo="$build/demo/CD"
if [ ! -f "$demo/AutoRun.ard" ]; then
  demo="$repo/demo/CD"
  if [ ! -d "$demo" ]; then
    mkdir -p "$demo"
    printf 'Quorvane demo CD\r\n\r\nThis folder is the demo CD that the designer opens.\r\n' >"$demo/ReadMe.txt"
  fi
fi

run="$repo/build/designer-run"
rm -rf "$run"
mkdir -p "$run"
cp "$build/bin/Quorvane.exe" "$run/Quorvane.exe"
cp -R "$demo" "$run/CDROM"
say "designer folder: $run (CDROM copied from $demo)"

wine_run="$repo/scripts/wine-run"

if [ -n "${DISPLAY:-}" ]; then
  cd "$run"
  export QUORVANE_WINE_WM="${QUORVANE_WINE_WM:-wm}"
  exec "$wine_run" "$run/Quorvane.exe"
fi

# --- no display: a private Xvfb, a screenshot, then close -----------------------------------------
winprobe="$build/bin/winprobe.exe"
shot_dir="$repo/build/screenshots"
shot="$shot_dir/designer.png"
log="$run/designer.log"
mkdir -p "$shot_dir"

xvfb_pid="" designer_pid=""
cleanup() {
  if [ -n "$designer_pid" ] && kill -0 "$designer_pid" 2>/dev/null; then
    kill -KILL -- "-$designer_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

display_file="$(mktemp)"
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 300); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { say "Xvfb did not start"; exit 1; }
  sleep 0.1
done
[ -s "$display_file" ] || { say "Xvfb gave no display number"; exit 1; }
export DISPLAY=":$(head -n1 "$display_file" | tr -d '[:space:]')"
rm -f "$display_file"
export QUORVANE_WINE_WM=none
say "private X display $DISPLAY"

(cd "$run" && exec setsid "$wine_run" "$run/Quorvane.exe") >"$log" 2>&1 &
designer_pid=$!

# Prints the hwnd of the designer's main window once it is shown (" - Quorvane" in its title).
main_window() {
  "$wine_run" "$winprobe" list 2>/dev/null | /usr/bin/python3 -c '
import json, sys
exe = sys.argv[1].lower()
try:
    windows = json.load(sys.stdin)["windows"]
except ValueError:
    windows = []
for w in windows:
    r = w["rect"]
    if (w["visible"] and r["width"] > 0 and r["height"] > 0 and w["exe"].lower() == exe
            and w["title"].endswith(" - Quorvane")):
        print(w["hwnd"])
        break
' "Z:$(printf '%s' "$run/Quorvane.exe" | tr '/' '\\')"
}

hwnd=""
deadline=$((SECONDS + 120))  # the first run may create the Wine prefix
while [ -z "$hwnd" ]; do
  if ! kill -0 "$designer_pid" 2>/dev/null; then
    say "the designer ended before showing its main window; its output:"
    tail -n 20 "$log" >&2
    exit 1
  fi
  if [ "$SECONDS" -ge "$deadline" ]; then
    /usr/bin/import -window root "$shot" 2>/dev/null || true
    say "no main window within 120 s; the screen is in $shot"
    exit 1
  fi
  hwnd="$(main_window || true)"
  [ -n "$hwnd" ] || sleep 0.2
done

# Drawn: two screenshots in a row come out the same.
previous="$(mktemp --suffix=.png)" current="$(mktemp --suffix=.png)"
/usr/bin/import -window root "$previous"
for _ in $(seq 1 50); do
  sleep 0.2
  /usr/bin/import -window root "$current"
  if cmp -s <(/usr/bin/convert "$previous" rgb:-) <(/usr/bin/convert "$current" rgb:-); then break; fi
  mv "$current" "$previous"
done
mv "$current" "$shot"
rm -f "$previous"
echo "Screenshot saved to $shot"

"$wine_run" "$winprobe" close "$hwnd" >/dev/null 2>&1 || true
for _ in $(seq 1 150); do
  kill -0 "$designer_pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$designer_pid" 2>/dev/null; then
  say "the designer did not close within 30 s; stopping it"
fi
exit 0
