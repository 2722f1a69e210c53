#!/bin/sh
# build.sh: one command from a Pascal program to a file a machine runs.
#
#   tools/build.sh [--target=NAME | --target NAME] [tarnwick options] PROG.pas
#   tools/build.sh [--target=NAME | --target NAME] PROG.asm
#
# NAME is flat (the default), cpm or zx.  PROG.pas is compiled with
# tarnwick --target=NAME (run from the project root, where it finds
# system_z80lib.asm and rtl/system.inc), which writes PROG.asm beside it;
# a PROG.asm already compiled for NAME is taken as it is.  GNU as for Z80
# assembles it, and beside the source it writes:
#   flat  PROG.bin, the image from address 0 that z80run loads by default;
#   cpm   PROG.com, the image from 0100h, which must end below the BDOS of
#         a 64K CP/M 2.2 (0E406h);
#   zx    PROG.tap, a tape with a BASIC loader and the code block at 08000h
#         (tools/zxtap.py), and PROG.bin, the code block alone for
#         z80run --machine zx; the block must end below the user-defined
#         graphics (0FF58h), where the program's stack begins.
# The compiler is $TARNWICK, else tarnwick on PATH, else the one in a
# build folder of the project.  Exit status: 2 for a bad command line, 1
# when a step failed (its messages shown), else 0.
set -u

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

usage() {
  echo "usage: tools/build.sh [--target=flat|cpm|zx] [tarnwick options] PROG.pas|PROG.asm" >&2
  exit 2
}

target=flat
source_file=
options=
while [ $# -gt 0 ]; do
  case $1 in
    --target=*) target=${1#--target=} ;;
    --target) [ $# -ge 2 ] || usage; target=$2; shift ;;
    -*) options="$options $1" ;;
    *) [ -z "$source_file" ] || usage; source_file=$1 ;;
  esac
  shift
done
[ -n "$source_file" ] || usage
case $target in
  flat | cpm | zx) ;;
  *) echo "build.sh: unknown target '$target' (flat, cpm or zx)" >&2; usage ;;
esac
if [ ! -r "$source_file" ]; then
  echo "build.sh: cannot read '$source_file'" >&2
  exit 2
fi

find_compiler() {
  if [ -n "${TARNWICK:-}" ]; then echo "$TARNWICK"; return; fi
  if command -v tarnwick >/dev/null 2>&1; then command -v tarnwick; return; fi
  for dir in "$root"/build "$root"/build-*; do
    if [ -x "$dir/tarnwick" ]; then echo "$dir/tarnwick"; return; fi
  done
}

dir=$(cd "$(dirname "$source_file")" && pwd)
base=$dir/$(basename "$source_file")
base=${base%.*}

case $source_file in
  *.asm) asm=$source_file ;;
  *)
    compiler=$(find_compiler)
    if [ -z "$compiler" ]; then
      echo "build.sh: tarnwick not found: build it (cmake --build build) or set TARNWICK" >&2
      exit 2
    fi
    # the report is shown only when the compiler fails
    report=$(cd "$root" && "$compiler" --target="$target" $options "$base.${source_file##*.}" </dev/null)
    status=$?
    if [ $status -ne 0 ]; then
      printf '%s\n' "$report"
      echo "build.sh: $source_file did not compile" >&2
      exit 1
    fi
    asm=$base.asm
    ;;
esac

work=$(mktemp -d "${TMPDIR:-/tmp}/build.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT INT TERM
z80-unknown-coff-as -I "$(dirname "$asm")" -o "$work/prog.o" "$asm" &&
  z80-unknown-coff-ld -Ttext 0 -o "$work/prog.out" "$work/prog.o" &&
  z80-unknown-coff-objcopy -O binary "$work/prog.out" "$work/prog.bin" || exit 1

# cut ORIGIN TOP OUTPUT: the image from ORIGIN on, which must end below
# TOP, and so must the program's variables placed after it (up to the
# label __progend, where the heap begins)
cut_image() {
  size=$(($(wc -c < "$work/prog.bin") - $1))
  if [ $size -le 0 ]; then
    echo "build.sh: $asm has no code at its origin $(printf '%04Xh' "$1"): was it compiled with --target=$target?" >&2
    exit 1
  fi
  end=$(($1 + size))
  progend=$(z80-unknown-coff-nm "$work/prog.out" | awk '$3 == "__progend" { print $1 }')
  if [ -n "$progend" ] && [ $((0x$progend)) -gt $end ]; then end=$((0x$progend)); fi
  if [ $end -gt $(($2)) ]; then
    printf 'build.sh: the program reaches %04Xh, past %04Xh, the top of the memory for the %s target\n' \
      "$end" "$2" "$target" >&2
    exit 1
  fi
  tail -c "$size" "$work/prog.bin" > "$3" || exit 1
}

case $target in
  flat) cp "$work/prog.bin" "$base.bin" || exit 1 ;;
  cpm) cut_image 0x100 0xe406 "$base.com" ;;
  zx)
    cut_image 0x8000 0xff58 "$base.bin"
    python3 "$here/zxtap.py" "$base.bin" "$base.tap" || exit 1
    ;;
esac
