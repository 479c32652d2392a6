#!/usr/bin/env bash
# Builds CD folders of the awkward kinds a user makes (names with "ä" and "中文", 60- and
# 64-character names, folders six and seven deep, empty files and folders, 2,000 files whose
# long names share one short name, random content across sector boundaries; names in Chinese,
# Greek and Cyrillic, full-width letters, symbols, an "A" with a combining diaeresis, which Joliet
# must record unnormalised), images each with
# make_test_image (the product's disc image writer) and checks every image with four
# independent readers: xorriso, isoinfo, bsdtar and 7z. Each must list the folder's files and
# folders, and extract every file with its size and content (sha256); the volume label must
# read back. isoinfo also reads the primary (short-name) tree. The folders' contents and times
# are fixed, and so is the image's creation time: each image must also be, byte for byte, the
# one recorded below (its sha256), so that a change meant to leave the images alone does.
# Usage: verify_images.sh PATH/TO/make_test_image
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tool="$(realpath "${1:?usage: verify_images.sh PATH/TO/make_test_image}")"
export LC_ALL=C.UTF-8
work="$(mktemp -d)"
# xorriso extracts read-only folders.
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# One line per folder ("D path") and per file ("F path size sha256"), sorted.
manifest() {
  /usr/bin/python3 - "$1" <<'EOF'
import hashlib, os, sys
root = sys.argv[1]
lines = []
for folder, dirs, files in os.walk(root):
    rel = os.path.relpath(folder, root)
    for d in dirs:
        lines.append("D " + os.path.normpath(os.path.join(rel, d)))
    for f in files:
        path = os.path.join(folder, f)
        with open(path, "rb") as handle:
            digest = hashlib.sha256(handle.read()).hexdigest()
        lines.append("F %s %d %s" % (os.path.normpath(os.path.join(rel, f)),
                                     os.path.getsize(path), digest))
print("\n".join(sorted(lines)))
EOF
}

# The paths of a manifest, without the leading "D "/"F " and the size and digest.
paths_of() { sed -E 's/^[DF] //; s/ [0-9]+ [0-9a-f]{64}$//' | sort; }

# same WHAT EXPECTED ACTUAL: compares two texts, shows the first differences.
same() {
  if [ "$2" != "$3" ]; then
    fail "$1"
    diff <(echo "$2") <(echo "$3") | head -n 10 || true
  fi
}

# bytes N TAG: N bytes that look random, always the same for one TAG.
bytes() { /usr/bin/python3 -c 'import hashlib,sys; sys.stdout.buffer.write(hashlib.shake_256(sys.argv[2].encode()).digest(int(sys.argv[1])))' "$1" "$2"; }

# Every file and folder modified at one fixed time (2020-09-13 12:26:40 UTC).
fix_times() { find "$1" -exec touch -h -d @1600000000 {} +; }

make_folder_awkward() {
  local d="$1" i
  mkdir -p "$d/art" "$d/中文" "$d/Empty folder" "$d/many"
  mkdir -p "$d/l1/l2/l3/l4/l5/l6" "$d/d1/d2/d3/d4/d5/d6/d7"
  printf '[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n' >"$d/autorun.inf"
  bytes 70001 AutoRun >"$d/AutoRun.exe"
  echo "Grüße" >"$d/ä.txt"
  echo "你好" >"$d/中文/中文 说明.txt"
  : >"$d/empty.txt"
  : >"$d/l1/l2/l3/l4/l5/l6/empty at depth six.dat"
  echo deep >"$d/d1/d2/d3/d4/d5/d6/d7/seven below the root.txt"
  echo sixty >"$d/$(printf 'n%.0s' {1..52})-60.text"          # 60 characters
  mkdir "$d/$(printf 'F%.0s' {1..55}) ä 60"                  # a 60-character folder
  echo full >"$d/$(printf 'x%.0s' {1..60}).txt"               # 64 characters, the limit
  echo r >"$d/README"
  echo t >"$d/archive.tar.gz"
  for i in 1 2047 2048 2049 1048577 3000000; do bytes "$i" "random $i" >"$d/art/random $i.bin"; done
  for i in $(seq -w 1 2000); do echo "picture $i" >"$d/many/Menu picture number $i.jpg"; done
  fix_times "$d"
}

# Names beyond any one code page, each to be recorded as its own UTF-16 and read back unchanged.
make_folder_unicode() {
  local d="$1"
  mkdir -p "$d/中文目录" "$d/Документы"
  echo "Ελληνικά" >"$d/中文目录/Ελληνικά 中文.txt"
  echo "файл" >"$d/Документы/файл.txt"
  echo full >"$d/ｆｕｌｌ.txt"
  echo math >"$d/Ω≈ç√.txt"
  echo decomposed >"$d/A$(printf '\xcc\x88').txt"
  fix_times "$d"
}

# A plain menu CD: the player, its project, pictures and a manual, under a label of the most
# characters Joliet holds.
make_folder_menu() {
  local d="$1"
  mkdir -p "$d/Pictures" "$d/Manual"
  printf '[autorun]\r\nOPEN=AutoRun.exe\r\n' >"$d/autorun.inf"
  bytes 300000 player >"$d/AutoRun.exe"
  bytes 5000 project >"$d/AutoRun.ard"
  bytes 123456 background >"$d/Pictures/Background.jpg"
  bytes 4096 button >"$d/Pictures/Button.bmp"
  bytes 2000000 manual >"$d/Manual/User Guide.pdf"
  fix_times "$d"
}

# check_image NAME FOLDER LABEL PRIMARY_LABEL SHA256

check_image() {
  local name="$1" src="$2" label="$3" primary_label="$4" sha256="$5"
  local img="$work/$name.iso" out expected files
  echo "== $name"
  "$tool" "$src" "$img" "$label" 1700000000  # created 2023-11-14 22:13:20 UTC
  same "$name: image bytes (sha256)" "$sha256" "$(sha256sum "$img" | cut -c1-64)"
  expected="$(manifest "$src")"
  files="$(grep '^F ' <<<"$expected" | paths_of || true)"

  # xorriso
  out="$work/$name-xorriso"
  xorriso -osirrox on -indev "$img" -extract / "$out" >"$work/xorriso.log" 2>&1 ||
    fail "$name: xorriso could not extract"
  if grep -E 'SORRY|FAILURE|FATAL|WARNING' "$work/xorriso.log"; then fail "$name: xorriso complains"; fi
  same "$name: xorriso extraction" "$expected" "$(manifest "$out")"
  same "$name: xorriso listing" "$(paths_of <<<"$expected")" \
    "$(xorriso -indev "$img" -find / -exec lsdl -- 2>/dev/null |
      sed -nE "s|^.* '/(.+)'$|\1|p" | sort)"
  same "$name: xorriso label" "Volume Id    : $primary_label" \
    "$(xorriso -indev "$img" -pvd_info 2>/dev/null | grep '^Volume Id ' || true)"

  # bsdtar, which composes the names it reads from UTF-16 (NFC: "A" + U+0308 becomes "Ä")
  out="$work/$name-bsdtar"
  mkdir -p "$out"
  bsdtar -xf "$img" -C "$out" || fail "$name: bsdtar could not extract"
  nfc() { /usr/bin/python3 -c 'import sys, unicodedata; print(unicodedata.normalize("NFC", sys.stdin.read()), end="")'; }
  same "$name: bsdtar extraction" "$(nfc <<<"$expected" | sort)" "$(manifest "$out")"
  same "$name: bsdtar listing" "$(paths_of <<<"$expected" | nfc | sort)" \
    "$(bsdtar -tf "$img" | sed -E 's|^\./||; s|/$||' | grep -v '^\.\?$' | sort)"

  # 7z
  out="$work/$name-7z"
  7z x -y -o"$out" "$img" >/dev/null || fail "$name: 7z could not extract"
  mkdir -p "$out"
  same "$name: 7z extraction" "$expected" "$(manifest "$out")"
  same "$name: 7z listing" "$(paths_of <<<"$expected")" \
    "$(7z l -slt "$img" | sed -n 's/^Path = //p' | tail -n +2 | sort)"

  # isoinfo writes names in an 8-bit character set (genisoimage's knows no UTF-8): Latin-1 here,
  # so "ä" reads back and a character beyond it shows as '_'.
  latin() { /usr/bin/python3 -c 'import re,sys; sys.stdout.write(re.sub(r"[^\x00-\xff]", "_", sys.stdin.read()))'; }
  same "$name: isoinfo listing" "$(paths_of <<<"$expected" | latin | sort)" \
    "$(isoinfo -i "$img" -J -j iso8859-1 -f | iconv -f latin1 -t utf-8 | sed 's|^/||' | sort)"
  out="$work/$name-isoinfo"
  mkdir -p "$out"
  (cd "$src" && find . -mindepth 1 -type d -printf '%P\0') | (cd "$out" && xargs -0 -r mkdir -p)
  # Each file's name as isoinfo matches it (Latin-1 bytes), a tab, its real name.
  while IFS=$'\t' read -r as_latin f; do
    isoinfo -i "$img" -J -j iso8859-1 -x "/$as_latin" >"$out/$f" || fail "$name: isoinfo -x $f"
  done < <(/usr/bin/python3 -c '
import re, sys
for line in sys.stdin.read().splitlines():
    if line:
        latin = re.sub(r"[^\x00-\xff]", "_", line).encode("latin-1")
        sys.stdout.buffer.write(latin + b"\t" + line.encode() + b"\n")' <<<"$files")
  same "$name: isoinfo extraction" "$expected" "$(manifest "$out")"
  same "$name: isoinfo label" "Volume id: $primary_label" \
    "$(isoinfo -i "$img" -d | grep '^Volume id:')"
  # The primary tree: as many entries, short names only, the same contents.
  local primary
  primary="$(isoinfo -i "$img" -l | sed -nE 's/^(-).*\] +(.*) $/\2/p; s/^(d).*\] +(.*) $/\2/p')"
  if grep -vE '^([A-Z0-9_]{1,8}(\.[A-Z0-9_]{0,3};1)?|\.|\.\.)$' <<<"$primary" | head -n 3 | grep .; then
    fail "$name: primary tree names that are no 8.3 short names"
  fi
  same "$name: primary tree size" "$(grep -c . <<<"$expected" || true)" \
    "$(isoinfo -i "$img" -f | grep -c . || true)"
  local primary_digests=""
  while IFS= read -r f; do
    [ -n "$f" ] && primary_digests+="$(isoinfo -i "$img" -x "$f" | sha256sum | cut -c1-64)"$'\n'
  done < <(isoinfo -i "$img" -f | grep ';1$' || true)
  same "$name: primary tree contents" "$(grep '^F ' <<<"$expected" | awk '{print $NF}' | sort)" \
    "$(sed '/^$/d' <<<"$primary_digests" | sort)"

  # The path tables, which DOS and Windows use to find folders.
  /usr/bin/python3 "$here/check_path_tables.py" <(isoinfo -i "$img" -p) \
    <(isoinfo -i "$img" -l) ordered || fail "$name: primary path table"
  /usr/bin/python3 "$here/check_path_tables.py" <(isoinfo -i "$img" -J -j iso8859-1 -p) \
    <(isoinfo -i "$img" -J -j iso8859-1 -l) || fail "$name: Joliet path table"

  # The Joliet label, which none of the four shows; blkid (util-linux) reads it.
  if command -v blkid >/dev/null; then
    same "$name: Joliet label" "$label" "$(blkid -o value -s LABEL "$img" || true)"
  fi
}

make_folder_awkward "$work/awkward"
check_image awkward "$work/awkward" "Menü CD 中文" "MEN__CD___" \
  f0f42e2f68b137d569c2c0c117e839c20e5b5f549decc05110299d0486048097
make_folder_unicode "$work/unicode"
check_image unicode "$work/unicode" "Диск 中文" "_______" \
  39bb243c16c6bfa1aebc4a06154a25a8aea9db5a9ff7ea18dc04fc71fcf7ecd7
make_folder_menu "$work/menu"
check_image menu "$work/menu" "Spring Catalogue" "SPRING_CATALOGUE" \
  52221be5773bc95de6246f54356c7b5c9210feb65cec1b5e3d780b0802c08fdc
mkdir -p "$work/empty"
fix_times "$work/empty"
check_image empty "$work/empty" "EMPTY" "EMPTY" \
  2fcdc1c8d003121f8c3b5c82365785bdcda8f04358968358937f4852f581a09e

if [ "$failures" -gt 0 ]; then
  echo "$failures disc image checks failed"
  exit 1
fi
echo "disc images: all readers agree with the folders"
