#!/bin/sh
# run_case.sh: run one run-time library test program and compare its console
# output with the expected text.
#
#   tests/z80lib/run_case.sh Z80RUN NAME
#
# The program is built the way the compiler builds its output: the skeleton,
# then system_z80lib.asm copied with the compiler's line rule for the flat
# machine (flat_library.awk), then the test's NAME.asm and the shared
# harness.asm.  The output must equal NAME.expected byte for byte, and the run must end with the
# status in NAME.status (a run-time error's number), else with status 0.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ $# -ne 2 ]; then
  echo "usage: run_case.sh Z80RUN NAME" >&2
  exit 2
fi
runner=$1
name=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/z80lib.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM

{
  echo ";;; first line"
  echo "   org 08000h"
  echo "   ld sp,07fffh"
  echo "   jp _reset"
  awk -f "$here/flat_library.awk" "$root/system_z80lib.asm"
  for k in 0 1 2 3 4 5; do echo "   parentframe$k: defb 0,0,0,0"; done
  echo "_reset:"
  echo "   call _main"
  echo "   jp \$"
  cat "$here/$name.asm" "$here/harness.asm"
} > "$work/$name.asm"

Z80RUN=$runner "$root/tools/asm_run.sh" --limit 50000000 "$work/$name.asm" > "$work/out.txt"
status=$?
wanted=0
if [ -f "$here/$name.status" ]; then wanted=$(cat "$here/$name.status"); fi
if [ $status -ne "$wanted" ]; then
  echo "$name: the program ended with status $status instead of $wanted"
  cat "$work/out.txt"
  exit 1
fi
if ! cmp -s "$work/out.txt" "$here/$name.expected"; then
  echo "$name: output differs from $name.expected:"
  diff "$here/$name.expected" "$work/out.txt" | head -40
  exit 1
fi
echo "$name: ok"
