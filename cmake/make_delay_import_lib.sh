#!/usr/bin/env bash
# Writes the delay-load import library of one Windows DLL: every function that the DLL's ordinary
# import library offers, resolved on its first call instead of at process start (mingw-w64's
# __delayLoadHelper2 loads the DLL then).
#   make_delay_import_lib.sh NM DLLTOOL OBJCOPY AR IMPORT_LIB DLL_NAME OUT
set -euo pipefail
nm="$1" dlltool="$2" objcopy="$3" ar="$4" import_lib="$5" dll="$6" out="$7"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  # A function's call thunk is "_Name@N" (stdcall); data exports have none and are left out.
  "$nm" "$import_lib" | sed -n 's/^[0-9a-f]* T _\(.*\)$/\1/p' | sort -u
} >"$work/exports.def"
"$dlltool" --input-def "$work/exports.def" --output-delaylib "$work/dlltool.a" --dllname "$dll" \
  --kill-at

# dlltool files the delay-load tables under the ordinary import table's section names (.idata$N).
# The linker then takes them for ordinary imports: it drops the call stubs and leaves every table
# entry zero, so the first call jumps to address 0. Renamed to .didat$<dll>_<N><order> they go to
# a section of their own (delay_load.ld), sorted by name: the head's labels first, then the
# entries, then the terminating ones. Each function's sections carry its member's number, so that
# its name entry and its address entry take the same place in their tables (the linker's sort
# keeps no order among equal names).
tag="$(basename "$dll" .dll)"
members=()
while IFS= read -r member; do members+=("$member"); done < <("$ar" t "$work/dlltool.a")
(cd "$work" && "$ar" x dlltool.a)
for member in "${members[@]}"; do
  case "$member" in
    *_h.o) order=a ;;  # the head: the descriptor and the tables' start labels
    *_t.o) order=c ;;  # the tail: the zero entries that end the tables, and the DLL's name
    *_s[0-9]*.o)       # one function's stub and its entries
      order="b${member##*_s}"
      order="${order%.o}"
      ;;
    *)
      echo "make_delay_import_lib.sh: unexpected member $member" >&2
      exit 1
      ;;
  esac
  renames=()
  for n in 2 4 5 6 7; do renames+=(--rename-section ".idata\$$n=.didat\$${tag}_${n}${order}"); done
  "$objcopy" "${renames[@]}" "$work/$member"
done
(cd "$work" && "$ar" rcs delay.a "${members[@]}")
mv "$work/delay.a" "$out"
