#!/bin/sh
# asm_run.sh: assemble a Z80 program with GNU as and run it in z80run.
#
#   tools/asm_run.sh [z80run options] FILE.asm
#
# The program is the compiler's kind of output: it starts with `org 08000h`,
# uses h-suffixed hex (07fffh), `$` for the current address, defb/defw data and
# labels with colons, all of which GNU as for Z80 (binutils-z80, 2.40 here)
# takes with no flags at all: `org` is the same as `.org`, comments start with
# ';'.  `org 08000h` moves the location counter inside .text, whose start the
# linker leaves at 0, so `objcopy -O binary` writes an image that begins at
# address 0 with 32K of zeros ahead of the code at 08000h - exactly what
# z80run loads by default (--load 0, --start 08000h).  Other GNU as syntax
# notes: `.include "x.asm"` searches the file's own directory, `.long` writes
# 32 bits, `equ` works with or without a dot.
#
# z80run options pass through; `--measure` may name a label of the program
# instead of an address (e.g. --measure __op_mul16), looked up with nm.
# The runner is $Z80RUN, else z80run on PATH, else the one in a build tree.
# Exit status: the assembler's or linker's failure status (messages printed),
# 2 for a bad command line, else z80run's own status.
set -u

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

if [ $# -lt 1 ]; then
  echo "usage: tools/asm_run.sh [z80run options] FILE.asm" >&2
  exit 2
fi

find_runner() {
  if [ -n "${Z80RUN:-}" ]; then echo "$Z80RUN"; return; fi
  if command -v z80run >/dev/null 2>&1; then command -v z80run; return; fi
  for dir in "$root"/build-rt "$root"/build "$root"/build-*; do
    if [ -x "$dir/tools/z80run/z80run" ]; then echo "$dir/tools/z80run/z80run"; return; fi
  done
}

runner=$(find_runner)
if [ -z "$runner" ]; then
  echo "asm_run.sh: z80run not found: build it (cmake --build BUILD --target z80run) or set Z80RUN" >&2
  exit 2
fi

# The last argument is the program; the rest belong to z80run.
for last in "$@"; do :; done
source_file=$last
if [ ! -r "$source_file" ]; then
  echo "asm_run.sh: cannot read '$source_file'" >&2
  exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/asm_run.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM

z80-unknown-coff-as -I "$(dirname "$source_file")" -o "$work/prog.o" "$source_file" || exit 1
z80-unknown-coff-ld -Ttext 0 -o "$work/prog.out" "$work/prog.o" || exit 1
z80-unknown-coff-objcopy -O binary "$work/prog.out" "$work/prog.bin" || exit 1

# Rebuild the z80run argument list, turning label names after --measure into
# addresses and dropping the source file.
count=$#
i=0
measure_next=0
for arg in "$@"; do
  i=$((i + 1))
  if [ $i -eq 1 ]; then set --; fi
  if [ $i -eq $count ]; then break; fi
  if [ $measure_next -eq 1 ]; then
    measure_next=0
    case $arg in
      [0-9]*) ;;
      *)
        address=$(z80-unknown-coff-nm "$work/prog.out" | awk -v name="$arg" '$3 == name { print $1 }')
        if [ -z "$address" ]; then
          echo "asm_run.sh: no label '$arg' in $source_file" >&2
          exit 2
        fi
        arg="0x$address"
        ;;
    esac
  elif [ "$arg" = "--measure" ]; then
    measure_next=1
  fi
  set -- "$@" "$arg"
done

"$runner" "$@" "$work/prog.bin"
