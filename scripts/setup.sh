#!/usr/bin/env bash
# Installs everything Quorvane needs to build and test on a fresh Debian (bookworm) machine,
# from Debian's own packages only: the mingw-w64 i686 cross compiler, 32-bit Wine, Xvfb and the
# input/screenshot tools, the native test libraries, and two cross-built static libraries for the
# Windows tree (libjpeg-turbo from Debian's source package, GoogleTest from /usr/src/googletest),
# clang-format and git for the source format check, and four independent ISO 9660 readers
# (xorriso, isoinfo, bsdtar, 7z) that check the disc images the product writes. Packages come without their
# recommendations, so whatever a tool needs from those is named here (xauth for xvfb-run).
# Runs as root or as a user with sudo: the libraries are built in a temporary folder as the
# caller and installed as root.
# Idempotent: a second run finds everything in place and returns within seconds.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The cross-built libraries live outside the work tree so that every clone (CI's included)
# shares them; their stamp names the recipe version so a changed recipe rebuilds them.
DEPS_PREFIX="${QUORVANE_DEPS:-/opt/quorvane-deps}"
RECIPE_VERSION=8

log() { printf '[setup] %s\n' "$*"; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  g++-mingw-w64-i686 mingw-w64-tools nasm dpkg-dev patch
  libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
  wine wine32:i386 fonts-wine
  xvfb xauth xdotool x11-utils imagemagick
  python3 python3-pytest python3-pil
  clang-format git
  xorriso genisoimage libarchive-tools p7zip-full
  fonts-wqy-microhei
)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  log "adding the i386 architecture (for 32-bit Wine)"
  as_root dpkg --add-architecture i386
  need_update=1
fi
# apt-get source needs deb-src entries; add them to the deb822 sources without touching the rest.
for f in /etc/apt/sources.list.d/debian.sources; do
  if [ -f "$f" ] && ! grep -q 'deb-src' "$f"; then
    log "enabling source packages in $f"
    as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    need_update=1
  fi
done
if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list && ! grep -q '^deb-src ' /etc/apt/sources.list; then
  as_root sed -i -e 'p' -e 's/^deb /deb-src /' /etc/apt/sources.list
  need_update=1
fi

todo="$(missing_packages)"
if [ -n "$todo" ] || [ "$need_update" -eq 1 ]; then
  log "apt-get update"
  as_root apt-get update -qq
fi
todo="$(missing_packages)"
if [ -n "$todo" ]; then
  log "installing: $(echo $todo)"
  apt_log="$(mktemp)"
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      $todo >"$apt_log" 2>&1; then
    tail -n 40 "$apt_log"
    log "apt-get install failed (whole log: $apt_log)"
    exit 1
  fi
  rm -f "$apt_log"
fi

toolchain="$here/../cmake/mingw-i686.cmake"
# The shared prefix under /opt belongs to root; a prefix of one's own (QUORVANE_DEPS) is written
# as the caller, so that it never ends up with files the caller cannot remove.
as_deps_owner() {
  local d="$DEPS_PREFIX"
  while [ ! -e "$d" ]; do d="$(dirname "$d")"; done
  if [ -w "$d" ]; then "$@"; else as_root "$@"; fi
}

# The player decodes every cover picture with this library. When nasm is missing or fails, the
# build quietly falls back to plain C and still links, only much slower. Names alone prove nothing
# (the dispatcher jsimd.c only refers to the kernels), so look for the kernels defined (T).
jpeg_simd_kernels=(jpeg_simd_cpu_support jsimd_idct_islow_sse2 jsimd_ycc_extbgrx_convert_sse2
  jsimd_h2v2_fancy_upsample_sse2)
check_jpeg_simd() {
  local lib="$1" symbols k missing=()
  symbols="$(i686-w64-mingw32-nm --defined-only "$lib" 2>/dev/null)" || symbols=""
  for k in "${jpeg_simd_kernels[@]}"; do
    grep -Eq " T _?$k\$" <<<"$symbols" || missing+=("$k")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    log "ERROR: $lib has no SIMD code (missing: ${missing[*]}); is nasm installed and working?" >&2
    return 1
  fi
}

jpeg_lib="$DEPS_PREFIX/i686/lib/libjpeg.a"
stamp="$DEPS_PREFIX/.stamp-$RECIPE_VERSION"
if [ -f "$stamp" ]; then
  # A library installed by hand or by an older recipe must not pass unseen.
  check_jpeg_simd "$jpeg_lib" || { log "remove $stamp to rebuild it" >&2; exit 1; }
else
  as_deps_owner mkdir -p "$DEPS_PREFIX"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  log "cross-building libjpeg-turbo (static, SIMD) from Debian's source package"
  (cd "$work" && apt-get source -qq --download-only libjpeg-turbo >/dev/null 2>&1 || apt-get source -qq libjpeg-turbo >/dev/null)
  (cd "$work" && dpkg-source -x --no-check ./libjpeg-turbo_*.dsc jpeg-src >/dev/null)
  # The player decodes to RGB with fancy upsampling and the accurate integer transform, libjpeg's
  # defaults: the merged upsampler (sloppy upsampling, with SIMD kernels of its own), the colour
  # quantisers (colour-mapped output) and the fast and floating-point transforms are never used,
  # and leaving them out keeps some 45 KB off every disc. Block smoothing only shapes a
  # progressive picture whose file was cut short (a whole file decodes to the same pixels
  # without it): another 5 KB.
  sed -i -E 's/^#define (UPSAMPLE_MERGING_SUPPORTED|QUANT_1PASS_SUPPORTED|QUANT_2PASS_SUPPORTED|DCT_IFAST_SUPPORTED|DCT_FLOAT_SUPPORTED|BLOCK_SMOOTHING_SUPPORTED)( +)/#undef  \1\2/' \
    "$work/jpeg-src/jmorecfg.h"
  # A picture shown smaller is decoded at 1/2, 1/4 or 1/8 of its size, never at the other
  # eighths: with fancy upsampling every component's transform is then 1, 2, 4 or 8 pixels
  # wide, and the transforms of the other sizes (some 13 KB) are left out. A size the library
  # no longer has ends the decoding with an error, never with a wrong picture.
  sed -i -E '/^    case (3|5|6|7|9|1[0-6]):$/,/^      break;$/d' "$work/jpeg-src/jddctmgr.c"
  if grep -qE '^    case (3|5|7|9):$' "$work/jpeg-src/jddctmgr.c" ||
    ! grep -qE '^    case 4:$' "$work/jpeg-src/jddctmgr.c"; then
    log "ERROR: the transform selection of libjpeg-turbo has changed; its patch no longer applies" >&2
    exit 1
  fi
  # The player asks the library for two output spaces only: B,G,R,x (GDI's byte order, from
  # grayscale, YCbCr and RGB pictures) and CMYK (from CMYK and YCCK ones). The converters into
  # every other layout (RGB, BGR, RGBX, XBGR, ..., RGB565, grayscale), in C and in SSE2, are
  # left out, some 13 KB. Asking for one of them ends the decoding with
  # JERR_CONVERSION_NOTIMPL, never with pixels in the wrong order.
  patch -d "$work/jpeg-src" -p1 -F0 -s --no-backup-if-mismatch <"$here/libjpeg-turbo-bgrx-only.patch" ||
    { log "ERROR: the colour conversion of libjpeg-turbo has changed; its patch no longer applies" >&2; exit 1; }
  if grep -qE '^  case JCS_(EXT_RGB|RGB565):$|= (grayscale|ycc_rgb565)_convert;' "$work/jpeg-src/jdcolor.c" ||
    grep -q 'jsimd_ycc_extrgb_convert' "$work/jpeg-src/simd/i386/"{jsimd.c,jdcolor-sse2.asm} ||
    ! grep -qE '^  case JCS_EXT_BGRX:$' "$work/jpeg-src/jdcolor.c"; then
    log "ERROR: the colour conversion of libjpeg-turbo still builds every layout" >&2
    exit 1
  fi
  # Every CPU that runs Windows 7 has SSE2, and its kernels are the fastest a 32-bit player can
  # use: the dispatcher is limited to them (and SSE for the float transform), and its calls to the
  # MMX, 3DNow! and AVX2 kernels name the SSE2 ones instead, so some 20 KB of kernels that would
  # only repeat them stay off every disc. A CPU without SSE2 decodes in plain C.
  jsimd_c="$work/jpeg-src/simd/i386/jsimd.c"
  {
    for name in $(grep -oE '\bj[a-z0-9_]*_(mmx|avx2|3dnow)\b' "$jsimd_c" | sort -u); do
      base="$(sed -E 's/_(mmx|avx2|3dnow)$//' <<<"$name")"
      if grep -qw "${base}_sse2" "$jsimd_c"; then
        echo "#define $name ${base}_sse2"
      elif grep -qw "${base}_sse" "$jsimd_c"; then
        echo "#define $name ${base}_sse"
      fi
    done
    cat "$jsimd_c"
  } >"$jsimd_c.new"
  mv "$jsimd_c.new" "$jsimd_c"
  sed -i -E 's/^( *)simd_support = jpeg_simd_cpu_support\(\);/&\n\1simd_support \&= JSIMD_SSE2 | JSIMD_SSE;/' \
    "$jsimd_c"
  grep -q 'simd_support &= JSIMD_SSE2 | JSIMD_SSE;' "$jsimd_c" || {
    log "ERROR: the SIMD dispatcher of libjpeg-turbo has changed; its patch no longer applies" >&2
    exit 1
  }
  # Only decoding reaches the player. Without unwind tables (errors leave by longjmp, never by
  # an exception) and with a section per function, the linker drops the encoder's SIMD kernels
  # that the dispatcher names; Windows' own printf and sscanf serve its messages instead of
  # mingw's. -O2 rather than the library's -O3: the hot loops are the SIMD kernels anyway.
  # -Wno-dev: the library's own CMake warnings to its developers are not ours to act on.
  # Arithmetic-coded JPEG files, which no camera or editor writes and Windows' own picture
  # decoder does not read, are left out too (some 4 KB).
  cmake -S "$work/jpeg-src" -B "$work/jpeg-build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="-O2 -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables -D__USE_MINGW_ANSI_STDIO=0" \
    -DCMAKE_C_FLAGS_RELEASE="-DNDEBUG" \
    -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX/i686" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=ON -DWITH_TURBOJPEG=OFF \
    -DWITH_ARITH_DEC=OFF -DWITH_ARITH_ENC=OFF \
    -DCMAKE_ASM_NASM_COMPILER=nasm >/dev/null
  cmake --build "$work/jpeg-build" >/dev/null
  # Checked before it is installed, so a library without SIMD never reaches the prefix.
  check_jpeg_simd "$work/jpeg-build/libjpeg.a"
  as_deps_owner cmake --install "$work/jpeg-build" >/dev/null

  log "cross-building GoogleTest from /usr/src/googletest"
  cmake -S /usr/src/googletest -B "$work/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX/i686" -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_CXX_FLAGS="-DGTEST_HAS_NOTIFICATION_=1 -include $here/../cmake/gtest_win32_notification.h" \
    >/dev/null
  cmake --build "$work/gtest-build" >/dev/null
  as_deps_owner cmake --install "$work/gtest-build" >/dev/null
  check_jpeg_simd "$jpeg_lib"
  as_deps_owner touch "$stamp"
fi
log "ready: cross libraries in $DEPS_PREFIX/i686"
