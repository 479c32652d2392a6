#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests under ASan and UBSan, disc images
# checked by four independent ISO 9660 readers, the artwork generator's tests, the Windows unit
# tests under Wine, the size of Quorvane.exe, short fuzz runs of the project file reader, the
# picture checks and the clipboard decoder, a quick pass of the benchmarks, and the end-to-end
# tests of Quorvane.exe under Wine on Xvfb. Exits non-zero when anything fails.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
FUZZ_SECONDS="${QUORVANE_FUZZ_SECONDS:-20}"
jobs="$(nproc)"

step() { printf '\n==== %s ====\n' "$*"; }

step "set-up"
bash scripts/setup.sh

step "source format (clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

step "native build (ASan + UBSan) and unit tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure

step "disc images read back by xorriso, isoinfo, bsdtar and 7z"
bash tests/disc/verify_images.sh build/native/bin/make_test_image

step "Windows build and unit tests under Wine"
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j "$jobs"
ctest --test-dir build/win32 --output-on-failure

step "size of Quorvane.exe"
# The player is copied onto every disc: it must not grow unnoticed (an iostream or locale pulled
# in by accident adds hundreds of kilobytes, a std::runtime_error the copy-on-write strings, a
# static libjpeg with unwind tables the encoder). The limit only ever goes down.
size="$(stat -c %s build/win32/bin/Quorvane.exe)"
size_limit=$((512 * 1024))
echo "Quorvane.exe: $size bytes (limit $size_limit)"
if [ "$size" -gt "$size_limit" ]; then
  echo "Quorvane.exe is larger than $size_limit bytes"
  exit 1
fi

step "DLLs Quorvane.exe maps at start"
# Every other DLL is delay-loaded on first use (cmake/DelayLoad.cmake): each one imported at start
# costs every player its start time. A new DLL belongs in the delay-loaded list.
imports="$(i686-w64-mingw32-objdump -p build/win32/bin/Quorvane.exe | sed -n 's/^\s*DLL Name: //p' |
  tr 'A-Z' 'a-z' | sort | tr '\n' ' ')"
echo "imported at start: $imports"
if [ "$imports" != "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ]; then
  echo "Quorvane.exe imports more than kernel32, user32, gdi32 and msvcrt at start"
  exit 1
fi

PICTURE_FUZZ_SECONDS="${QUORVANE_PICTURE_FUZZ_SECONDS:-10}"
CLIPBOARD_FUZZ_SECONDS="${QUORVANE_CLIPBOARD_FUZZ_SECONDS:-5}"
step "fuzzing the project file reader for ${FUZZ_SECONDS}s, the picture checks for" \
  "${PICTURE_FUZZ_SECONDS}s, the clipboard decoder for ${CLIPBOARD_FUZZ_SECONDS}s"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DQUORVANE_FUZZ=ON -DQUORVANE_SANITIZE=ON >/dev/null
cmake --build build/fuzz -j "$jobs" --target project_reader_fuzz make_fuzz_seeds \
  picture_checks_fuzz make_picture_seeds clipboard_decoder_fuzz
# fuzz NAME SECONDS CORPUS LOG: runs one fuzzer on its corpus; a crash fails the step, its
# input kept beside the log.
fuzz() {
  if ! "build/fuzz/bin/$1" -max_total_time="$2" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/$1-" "$3" >"$4" 2>&1; then
    tail -n 40 "$4"
    echo "the fuzzer $1 found a failure; the log is $4"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$4"
}
mkdir -p build/fuzz/corpus build/fuzz/picture-corpus build/fuzz/clipboard-corpus
build/fuzz/bin/make_fuzz_seeds build/fuzz/corpus build/fuzz/clipboard-corpus
build/fuzz/bin/make_picture_seeds build/fuzz/picture-corpus
fuzz project_reader_fuzz "$FUZZ_SECONDS" build/fuzz/corpus build/fuzz/last-run.log
fuzz picture_checks_fuzz "$PICTURE_FUZZ_SECONDS" build/fuzz/picture-corpus \
  build/fuzz/picture-last-run.log
fuzz clipboard_decoder_fuzz "$CLIPBOARD_FUZZ_SECONDS" build/fuzz/clipboard-corpus \
  build/fuzz/clipboard-last-run.log

step "benchmarks, one quick pass"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$jobs" --target quorvane_benchmarks
build/bench/bin/quorvane_benchmarks --benchmark_min_time=0.01

step "end-to-end tests of Quorvane.exe under Wine on Xvfb"
/usr/bin/python3 -m pytest -q -p no:cacheprovider tests/e2e
